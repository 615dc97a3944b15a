#include "session/profile_settings.h"

#include "agenda/profile_calendar.h"
#include "reminders/reminder_entries.h"

#include <charconv>

namespace {

std::optional<std::int64_t> secondsFrom(const std::string &text)
{
    std::int64_t seconds = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    // A value mended by hand into something else counts as none.
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return seconds;
}

std::string onOff(bool on)
{
    return std::string(on ? kSettingOn : kSettingOff);
}

// One entry of a setting: what its stored text is for a setting's value.
struct Entry {
    unsigned setting;
    std::string_view section;
    std::string_view name;
    std::string (*text)(const ZamanixSettings &);
};

const Entry kEntries[] = {
    {kHijriCalendarSetting, kDefaultsSection, kHijriCalendarEntry,
        [](const ZamanixSettings &s) { return std::string(s.hijri.Name()); }},
    {kHijriCalendarSetting, kDefaultsSection, kHijriAdjustEntry,
        [](const ZamanixSettings &s) { return std::to_string(s.hijri.Adjust()); }},
    {kSoundSetting, kDefaultsSection, kAudioEntry,
        [](const ZamanixSettings &s) { return onOff(s.sound); }},
    {kMonthPanelSetting, kDefaultsSection, kMonthPanelEntry,
        [](const ZamanixSettings &s) { return onOff(s.monthPanel); }},
    {kMonthPanelSideSetting, kDefaultsSection, kMonthPanelSideEntry,
        [](const ZamanixSettings &s) { return s.monthPanelSide; }},
    {kHolyDaysSetting, kDefaultsSection, kHolyDaysEntry,
        [](const ZamanixSettings &s) { return onOff(s.holyDays); }},
    {kAskNewMoonSetting, kDefaultsSection, kAskNewMoonEntry,
        [](const ZamanixSettings &s) { return onOff(s.askNewMoon); }},
    {kNewMoonTimeSetting, kDefaultsSection, kNewMoonTimeEntry,
        [](const ZamanixSettings &s) { return ClockMinuteText(s.newMoonMinute); }},
    {kWesternDigitsSetting, kDefaultsSection, kWesternDigitsEntry,
        [](const ZamanixSettings &s) {
            return s.westernDigits ? onOff(*s.westernDigits) : std::string();
        }},
    {kLastCheckSetting, kDefaultsSection, kLastCheckEntry,
        [](const ZamanixSettings &s) {
            return s.lastCheck ? std::to_string(*s.lastCheck) : std::string();
        }},
    {kCalendarServerSetting, kCalendarServerSection, kCalendarUrlEntry,
        [](const ZamanixSettings &s) { return s.calendarServer.url; }},
    {kCalendarServerSetting, kCalendarServerSection, kCalendarUserEntry,
        [](const ZamanixSettings &s) { return s.calendarServer.user; }},
    {kCalendarServerSetting, kCalendarServerSection, kCalendarYearsEntry,
        [](const ZamanixSettings &s) { return std::to_string(s.calendarServer.years); }},
};

} // namespace

ZamanixSettings ReadSettings(const CProfileSnapshot &profile)
{
    const auto get = [&profile](std::string_view entry) {
        return profile.Get(kDefaultsSection, entry, "");
    };
    ZamanixSettings settings;
    settings.hijri = ProfileHijriCalendar(profile);
    settings.sound = AudioIsOn(get(kAudioEntry));
    settings.monthPanel = get(kMonthPanelEntry) == kSettingOn;
    const std::string side = get(kMonthPanelSideEntry);
    for (const char *known : {"left", "right", "top", "bottom"})
        if (side == known)
            settings.monthPanelSide = side;
    settings.holyDays = get(kHolyDaysEntry) != kSettingOff;
    settings.lastCheck = secondsFrom(get(kLastCheckEntry));
    settings.askNewMoon = get(kAskNewMoonEntry) == kSettingOn;
    settings.newMoonMinute =
        ParseClockMinute(get(kNewMoonTimeEntry)).value_or(kDefaultNewMoonMinute);
    const std::string digits = get(kWesternDigitsEntry);
    if (digits == kSettingOn || digits == kSettingOff)
        settings.westernDigits = digits == kSettingOn;
    settings.calendarServer = ReadCalendarServerSettings(profile);
    return settings;
}

unsigned ChangedSettings(const ZamanixSettings &a, const ZamanixSettings &b)
{
    // The calendar also changes with the month starts recorded for it.
    unsigned changed = a.hijri == b.hijri ? 0u : unsigned{kHijriCalendarSetting};
    for (const Entry &entry : kEntries)
        if (entry.text(a) != entry.text(b))
            changed |= entry.setting;
    return changed;
}

void CopySettings(unsigned which, const ZamanixSettings &from, ZamanixSettings &to)
{
    const auto copy = [&](unsigned setting, auto ZamanixSettings::*field) {
        if (which & setting)
            to.*field = from.*field;
    };
    // The setting is the rule with its adjustment; the month starts stay
    // those recorded in `to`, which the file gave.
    if (which & kHijriCalendarSetting)
        to.hijri = to.hijri.WithSetting({from.hijri.Rule(), from.hijri.Adjust()});
    copy(kSoundSetting, &ZamanixSettings::sound);
    copy(kMonthPanelSetting, &ZamanixSettings::monthPanel);
    copy(kMonthPanelSideSetting, &ZamanixSettings::monthPanelSide);
    copy(kHolyDaysSetting, &ZamanixSettings::holyDays);
    copy(kLastCheckSetting, &ZamanixSettings::lastCheck);
    copy(kAskNewMoonSetting, &ZamanixSettings::askNewMoon);
    copy(kNewMoonTimeSetting, &ZamanixSettings::newMoonMinute);
    copy(kWesternDigitsSetting, &ZamanixSettings::westernDigits);
    copy(kCalendarServerSetting, &ZamanixSettings::calendarServer);
}

std::vector<ProfileChange> SettingChanges(
    unsigned which, const ZamanixSettings &wanted, const CProfileSnapshot &stored)
{
    const ZamanixSettings current = ReadSettings(stored);
    std::vector<ProfileChange> changes;
    for (const Entry &entry : kEntries) {
        if (!(which & entry.setting))
            continue;
        const std::string text = entry.text(wanted);
        // A value read as the wanted one stays, missing or unreadable: only
        // a change of the setting is written.
        if (entry.text(current) == text)
            continue;
        changes.push_back(ProfileChange::Set(entry.section, entry.name, text));
    }
    return changes;
}
