#include "session/zamanix_profile.h"

#include "agenda/hijri_month_starts.h"
#include "reminders/profile_backup.h"
#include "reminders/profile_text.h"
#include "reminders/reminder_entries.h"
#include "text/sentence.h"
#include "text/translate.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <map>

namespace {

// A tick later than this after the one before it (60 s) comes after a
// suspend, or after the clock was set forward.
constexpr std::int64_t kLateTickSeconds = 180;

// The sections that say what a reminder key rings: memos, alarms and
// notices of every kind.
constexpr std::string_view kReminderSections[] = {
    kReminderSection, kAlarmSection, kMoreReminderSection, kMoreAlarmSection, kNoticeSection};
using ReminderValues = std::array<std::string, std::size(kReminderSections)>;

// The reminder entries of a snapshot: each key (its name folded to lower
// case, as names match) to its values in those sections.
std::map<std::string, ReminderValues> reminderEntries(
    const CProfileSnapshot &profile, std::map<std::string, std::string> &spelled)
{
    std::map<std::string, ReminderValues> entries;
    for (std::size_t i = 0; i < std::size(kReminderSections); ++i)
        for (ProfileEntryValue &entry : profile.Entries(kReminderSections[i])) {
            std::string folded = entry.name;
            std::transform(folded.begin(), folded.end(), folded.begin(),
                [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            spelled.emplace(folded, entry.name);
            entries[folded][i] = std::move(entry.value);
        }
    return entries;
}

// Whether the entries of the recorded month starts differ between two
// snapshots: also those the calendar ignores, which its records do not show.
bool monthStartsChanged(const CProfileSnapshot &before, const CProfileSnapshot &after)
{
    const auto a = before.Entries(kHijriMonthStartsSection);
    const auto b = after.Entries(kHijriMonthStartsSection);
    return !std::ranges::equal(a, b, [](const ProfileEntryValue &x, const ProfileEntryValue &y) {
        return x.name == y.name && x.value == y.value;
    });
}

// The keys whose memo or alarm differs between two snapshots.
QStringList changedKeys(const CProfileSnapshot &before, const CProfileSnapshot &after)
{
    std::map<std::string, std::string> spelled;
    const auto old = reminderEntries(before, spelled);
    const auto now = reminderEntries(after, spelled);
    QStringList keys;
    for (const auto &[folded, name] : spelled) {
        const auto a = old.find(folded), b = now.find(folded);
        if (a == old.end() || b == now.end() || a->second != b->second)
            keys << QString::fromStdString(name);
    }
    return keys;
}

} // namespace

CZamanixProfile::CZamanixProfile(std::filesystem::path file, Writer writer, QObject *parent)
    : QObject(parent)
    , m_file(std::move(file))
    , m_writer(std::move(writer))
{
    m_snapshot.Load(m_file);
    m_settings = readSettings();
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] { Refresh(); });
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, [this] { Refresh(); });
    watch();
}

std::string HijriCalendarFailure(const CHijriCalendar &wanted)
{
    const std::string problem = HijriRuleProblem(wanted.Rule());
    if (problem.empty())
        return {};
    return FillSentence(Translate("CZamanixProfile",
                            "Zamanix cannot compute the %1 calendar: %2.\n\nIt goes on with the "
                            "%3 calendar; Options > Hijri Calendar chooses another."),
        {wanted.DisplayName(), problem, HijriRuleDisplayName(HijriRule::Astronomical)});
}

ZamanixSettings CZamanixProfile::readSettings()
{
    ZamanixSettings settings = ReadSettings(m_snapshot);
    m_strCalendarProblem = HijriCalendarFailure(settings.hijri);
    if (!m_strCalendarProblem.empty())
        settings.hijri =
            settings.hijri.WithSetting({HijriRule::Astronomical, settings.hijri.Adjust()});
    return settings;
}

ProfileLookup CZamanixProfile::Lookup() const
{
    return [this](std::string_view section, std::string_view entry) {
        return m_snapshot.Find(section, entry);
    };
}

void CZamanixProfile::watch()
{
    // The folder sees the profile replaced (every writer renames a new file
    // over it), the file an edit in place; a replaced file is watched no
    // more, so each read puts it back on the watch.
    const QString folder = QString::fromStdString(m_file.parent_path().string());
    const QString path = QString::fromStdString(m_file.string());
    std::error_code error;
    if (m_file.empty())
        return;
    if (!m_watcher.directories().contains(folder) &&
        std::filesystem::is_directory(m_file.parent_path(), error))
        m_watcher.addPath(folder);
    if (!m_watcher.files().contains(path) && std::filesystem::exists(m_file, error))
        m_watcher.addPath(path);
}

void CZamanixProfile::Refresh()
{
    const CProfileSnapshot before = m_snapshot; // shares the bytes read
    const bool changed = m_snapshot.Refresh();
    watch();
    if (!changed)
        return;
    ZamanixSettings read = readSettings();
    CopySettings(m_nHeld, m_settings, read);
    const unsigned which = ChangedSettings(m_settings, read) |
        (monthStartsChanged(before, m_snapshot) ? kHijriCalendarSetting : 0u);
    m_settings = std::move(read);
    const QStringList keys = changedKeys(before, m_snapshot);
    if (which)
        emit settingsChanged(which);
    if (!keys.isEmpty())
        emit remindersChanged(keys);
}

bool CZamanixProfile::write(std::span<const ProfileChange> changes, std::string &error)
{
    if (changes.empty())
        return true;
    const bool written =
        m_writer ? m_writer(changes, error) : WriteProfileEntries(m_file, changes, error);
    if (written)
        Refresh(); // told at once, not when the watch reports it
    return written;
}

bool CZamanixProfile::Write(std::span<const ProfileChange> changes, std::string &error)
{
    return write(changes, error);
}

bool CZamanixProfile::RecordMonthStart(const HijriMonthStart &record, std::string &error)
{
    if (std::optional<std::string> refusal = m_settings.hijri.CheckMonthStart(record)) {
        error = std::move(*refusal);
        return false;
    }
    // Nor is a day that the entry's Gregorian date cannot say written, to be
    // ignored when it is read.
    std::string unreadable;
    if (!ParseMonthStart(MonthStartName(record), MonthStartValue(record), unreadable)) {
        error = QCoreApplication::translate("CZamanixProfile", "%1 cannot be recorded: %2")
                    .arg(QString::fromStdString(HijriMonthText(record.Index())),
                        QString::fromStdString(unreadable))
                    .toStdString();
        return false;
    }
    return write(RecordMonthStartChanges(m_snapshot, record), error);
}

bool CZamanixProfile::RemoveMonthStart(const std::string &name, std::string &error)
{
    return write(RemoveMonthStartEntryChanges(m_snapshot, name), error);
}

bool CZamanixProfile::ReplaceMonthStarts(
    std::span<const HijriMonthStart> records, std::string &error)
{
    return write(ReplaceMonthStartsChanges(records), error);
}

bool CZamanixProfile::BackUp(const std::filesystem::path &file, std::string &error) const
{
    return BackUpProfile(m_file, file, error);
}

bool CZamanixProfile::Restore(std::string_view bytes, std::string &error)
{
    if (!RestoreProfile(m_file, bytes, error))
        return false;
    m_nHeld = 0;
    Refresh();
    return true;
}

bool CZamanixProfile::AddReminder(
    const std::string &key, const std::string &memo, const std::string &alarm, std::string &error)
{
    // The memo and its alarm land together, or neither does.
    return write(
        KeepReminderChanges({key, ReminderKind::Yearly, memo, alarm, std::nullopt}), error);
}

bool CZamanixProfile::SaveReminder(const ReminderEntry &entry,
    const std::optional<std::pair<std::string, ReminderKind>> &replaced, std::string &error)
{
    std::vector<ProfileChange> changes;
    // The same key keeps its lines where they are.
    if (replaced &&
        (replaced->second != entry.kind || !ProfileNamesEqual(replaced->first, entry.key)))
        changes = ForgetReminderChanges(replaced->first, replaced->second);
    const std::vector<ProfileChange> kept = KeepReminderChanges(entry);
    changes.insert(changes.end(), kept.begin(), kept.end());
    return write(changes, error);
}

bool CZamanixProfile::RemoveReminder(const std::string &key, ReminderKind kind, std::string &error)
{
    return write(ForgetReminderChanges(key, kind), error);
}

bool CZamanixProfile::setSettings(unsigned which, const ZamanixSettings &wanted, std::string &error)
{
    const bool written = write(SettingChanges(which, wanted, m_snapshot), error);
    // Written, the read has brought the settings in; otherwise they hold.
    const unsigned changed = ChangedSettings(m_settings, wanted) & which;
    CopySettings(which, wanted, m_settings);
    m_nHeld = written ? m_nHeld & ~which : m_nHeld | which;
    if (changed)
        emit settingsChanged(changed);
    return written;
}

template <typename T>
bool CZamanixProfile::setSetting(
    unsigned which, T ZamanixSettings::*field, T value, std::string &error)
{
    ZamanixSettings wanted = m_settings;
    wanted.*field = std::move(value);
    return setSettings(which, wanted, error);
}

bool CZamanixProfile::SetHijriCalendar(const CHijriCalendar &calendar, std::string &error)
{
    return setSetting(kHijriCalendarSetting, &ZamanixSettings::hijri, calendar, error);
}

bool CZamanixProfile::SetSound(bool on, std::string &error)
{
    return setSetting(kSoundSetting, &ZamanixSettings::sound, on, error);
}

bool CZamanixProfile::SetMonthPanel(bool shown, std::string &error)
{
    return setSetting(kMonthPanelSetting, &ZamanixSettings::monthPanel, shown, error);
}

bool CZamanixProfile::SetMonthPanelSide(const std::string &side, std::string &error)
{
    return setSetting(kMonthPanelSideSetting, &ZamanixSettings::monthPanelSide, side, error);
}

bool CZamanixProfile::SetHolyDays(bool shown, std::string &error)
{
    return setSetting(kHolyDaysSetting, &ZamanixSettings::holyDays, shown, error);
}

bool CZamanixProfile::SetWesternDigits(bool western, std::string &error)
{
    return setSetting(kWesternDigitsSetting, &ZamanixSettings::westernDigits,
        std::optional<bool>(western), error);
}

bool CZamanixProfile::SetLastCheck(std::int64_t seconds, std::string &error)
{
    return setSetting(kLastCheckSetting, &ZamanixSettings::lastCheck,
        std::optional<std::int64_t>(seconds), error);
}

bool CZamanixProfile::SetAskNewMoon(bool ask, std::string &error)
{
    return setSetting(kAskNewMoonSetting, &ZamanixSettings::askNewMoon, ask, error);
}

bool CZamanixProfile::SetNewMoonTime(int minute, std::string &error)
{
    return setSetting(kNewMoonTimeSetting, &ZamanixSettings::newMoonMinute, minute, error);
}

bool CZamanixProfile::SetCalendarServer(const CalendarServerSettings &server, std::string &error)
{
    return setSetting(kCalendarServerSetting, &ZamanixSettings::calendarServer, server, error);
}

void CZamanixProfile::ClockTicked(std::int64_t now, int today)
{
    const std::int64_t before = m_nLastTick;
    const int dayBefore = m_nToday;
    m_nLastTick = now;
    m_nToday = today;
    if (before == 0)
        return;
    if (today != dayBefore)
        emit newDay(today);
    if (now - before > kLateTickSeconds)
        emit clockJumped(before, now);
}
