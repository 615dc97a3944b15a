// The application's profile object: the one snapshot of the profile, the
// one watch on its file, the typed settings (profile_settings.h) and the
// news every window hears through its signals. The shell creates it and
// hands it to the form and the windows beside it; none of them reads the
// profile file for itself.
//
// The file is read again when the file system reports a change, and when a
// user asks (Refresh: the due check does before each check, as the watch
// may come late). Each change read, or written through this object, is told
// once: which settings changed, which reminder keys changed. The minute
// timer of the form is the one clock: it tells each tick (ClockTicked), and
// the object tells of a new day and of a jump of the clock.
//
// A setting that could not be written holds until the program ends: a later
// read of the file does not take it back.
#pragma once

#include "agenda/day_reminders.h"
#include "agenda/reminder_changes.h"
#include "session/profile_settings.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QStringList>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>

// What to tell the user when the rule of `wanted` cannot be computed
// (HijriRuleProblem), and the calendar that stands in for it: the
// astronomical rule with the same adjustment. Empty when it can.
std::string HijriCalendarFailure(const CHijriCalendar &wanted);

class CZamanixProfile : public QObject {
    Q_OBJECT

public:
    // Writes changes to the profile: false, with `error` saying what failed
    // where, when they could not be written.
    using Writer = std::function<bool(std::span<const ProfileChange>, std::string &error)>;

    // Reads `file` now. Without a writer, writes go to `file` itself.
    explicit CZamanixProfile(
        std::filesystem::path file, Writer writer = {}, QObject *parent = nullptr);

    const std::filesystem::path &File() const { return m_file; }
    const CProfileSnapshot &Snapshot() const { return m_snapshot; }
    // Lookups in the snapshot, for as long as this object lives.
    ProfileLookup Lookup() const;
    const ZamanixSettings &Settings() const { return m_settings; }
    const CHijriCalendar &HijriCalendar() const { return m_settings.hijri; }
    // Why the Hijri calendar the profile names could not be used, so that
    // the astronomical rule stands in for it (HijriCalendarFailure); empty
    // when it could.
    const std::string &CalendarProblem() const { return m_strCalendarProblem; }

    // Reads the file again when it changed since the last read, and tells
    // what changed.
    void Refresh();

    // The reminder writes of the form, All Reminders and its dialog
    // (agenda/reminder_changes.h): a yearly reminder's memo with its alarm;
    // a reminder of any kind with its notice, in place of `replaced` (a key
    // of the kind given, whose reminder the user edited into this one); a
    // reminder's memo, alarm and notice removed. Each in one write. False,
    // with `error` saying why, when it could not be written.
    bool AddReminder(const std::string &key, const std::string &memo, const std::string &alarm,
        std::string &error);
    bool SaveReminder(const ReminderEntry &entry,
        const std::optional<std::pair<std::string, ReminderKind>> &replaced, std::string &error);
    bool RemoveReminder(const std::string &key, ReminderKind kind, std::string &error);
    // Any other changes, in one write.
    bool Write(std::span<const ProfileChange> changes, std::string &error);
    // The recorded Hijri month starts (agenda/hijri_month_starts.h), each
    // change in one write: a month's start recorded, unless the calendar in
    // use refuses it (false, `error` the refusal, which names the month and
    // says why); an entry removed by its name as the profile spells it,
    // with every other entry of its month, so that the rule's start holds
    // again; the whole section replaced (an import).
    bool RecordMonthStart(const HijriMonthStart &record, std::string &error);
    bool RemoveMonthStart(const std::string &name, std::string &error);
    bool ReplaceMonthStarts(std::span<const HijriMonthStart> records, std::string &error);
    // File > Back Up Reminders and Restore Reminders (reminders/
    // profile_backup.h): a copy of the profile written to `file`; the
    // profile replaced by the bytes of a backup, the one it replaced kept
    // beside it, and every window told at once of what changed (settings
    // that could not be written before give way to the backup's). False,
    // with `error`, when nothing was written.
    bool BackUp(const std::filesystem::path &file, std::string &error) const;
    bool Restore(std::string_view bytes, std::string &error);

    // Settings: the value holds at once, and is written unless the profile
    // already says so. False, with `error`, when it could not be written.
    bool SetHijriCalendar(const CHijriCalendar &calendar, std::string &error);
    bool SetSound(bool on, std::string &error);
    bool SetMonthPanel(bool shown, std::string &error);
    bool SetMonthPanelSide(const std::string &side, std::string &error);
    bool SetHolyDays(bool shown, std::string &error);
    bool SetWesternDigits(bool western, std::string &error);
    bool SetLastCheck(std::int64_t seconds, std::string &error);
    bool SetAskNewMoon(bool ask, std::string &error);
    bool SetNewMoonTime(int minute, std::string &error);
    bool SetCalendarServer(const CalendarServerSettings &server, std::string &error);

    // The clock: the minute timer's reading (seconds since 1970) and its
    // local day (a day number). The first reading only sets today.
    void ClockTicked(std::int64_t now, int today);
    int Today() const { return m_nToday; }

signals:
    // The settings of these ProfileSetting flags changed.
    void settingsChanged(unsigned which);
    // The memos, alarms or notices of these keys changed, of any kind (as
    // the profile spells them).
    void remindersChanged(const QStringList &keys);
    // The local date is another day (a day number) than at the last tick.
    void newDay(int today);
    // The clock moved on by more than three minutes between two ticks (a
    // suspend, or the clock set forward), from `before` to `now`.
    void clockJumped(qint64 before, qint64 now);

private:
    // The settings read, the astronomical rule standing in for a rule that
    // cannot be computed.
    ZamanixSettings readSettings();
    bool setSettings(unsigned which, const ZamanixSettings &wanted, std::string &error);
    template <typename T>
    bool setSetting(unsigned which, T ZamanixSettings::*field, T value, std::string &error);
    bool write(std::span<const ProfileChange> changes, std::string &error);
    void watch();

    std::filesystem::path m_file;
    Writer m_writer;
    CProfileSnapshot m_snapshot;
    ZamanixSettings m_settings;
    unsigned m_nHeld = 0; // settings whose write failed: they hold
    std::string m_strCalendarProblem;
    QFileSystemWatcher m_watcher;
    std::int64_t m_nLastTick = 0; // none before the first
    int m_nToday = 0;
};
