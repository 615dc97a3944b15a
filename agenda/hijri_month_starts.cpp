#include "agenda/hijri_month_starts.h"

#include "reminders/reminder_entries.h"
#include "text/sentence.h"
#include "text/translate.h"

#include <optional>

namespace {

struct ReadEntry {
    ProfileEntryValue entry;
    std::optional<HijriMonthStart> record;
    std::string error; // why it is no record
};

std::vector<ReadEntry> readEntries(const CProfileSnapshot &profile)
{
    std::vector<ReadEntry> read;
    for (ProfileEntryValue &entry : profile.Entries(kHijriMonthStartsSection)) {
        ReadEntry r{std::move(entry), std::nullopt, {}};
        r.record = ParseMonthStart(r.entry.name, r.entry.value, r.error);
        read.push_back(std::move(r));
    }
    return read;
}

std::string ignored(const MonthStartEntry &entry)
{
    return FillSentence(Translate("MonthStarts", "[%1] %2=%3 is ignored: %4"),
        {kHijriMonthStartsSection, entry.name, entry.value, entry.problem});
}

// Every entry whose name names the month, however spelled.
std::vector<ProfileChange> removals(const CProfileSnapshot &profile, int monthIndex)
{
    std::vector<ProfileChange> changes;
    // The name alone decides: an entry of the month with a bad date goes too.
    for (const ProfileEntryValue &entry : profile.Entries(kHijriMonthStartsSection))
        if (MonthStartIndex(entry.name) == monthIndex)
            changes.push_back(ProfileChange::Remove(kHijriMonthStartsSection, entry.name));
    return changes;
}

} // namespace

CHijriCalendar WithProfileMonthStarts(
    const CHijriCalendar &calendar, const CProfileSnapshot &profile)
{
    std::vector<HijriMonthStart> records;
    for (const ReadEntry &r : readEntries(profile))
        if (r.record)
            records.push_back(*r.record);
    return calendar.WithMonthStarts(std::move(records));
}

std::vector<MonthStartEntry> ProfileMonthStartEntries(
    const CProfileSnapshot &profile, const CHijriCalendar &calendar)
{
    const std::span<const MonthStartRefusal> refused = calendar.RefusedMonthStarts();
    std::vector<MonthStartEntry> entries;
    std::size_t position = 0; // among the records the calendar was given
    for (ReadEntry &r : readEntries(profile)) {
        MonthStartEntry &entry = entries.emplace_back(MonthStartEntry{
            std::move(r.entry.name), std::move(r.entry.value), r.record, std::move(r.error)});
        if (!r.record)
            continue;
        for (const MonthStartRefusal &refusal : refused)
            if (refusal.position == position && refusal.record == *r.record)
                entry.problem = refusal.reason;
        ++position;
    }
    return entries;
}

std::vector<std::string> ProfileMonthStartWarnings(
    const CProfileSnapshot &profile, const CHijriCalendar &calendar)
{
    std::vector<std::string> warnings;
    for (const MonthStartEntry &entry : ProfileMonthStartEntries(profile, calendar))
        if (!entry.problem.empty())
            warnings.push_back(ignored(entry));
    return warnings;
}

std::vector<ProfileChange> RecordMonthStartChanges(
    const CProfileSnapshot &profile, const HijriMonthStart &record)
{
    const std::string name = MonthStartName(record);
    std::vector<ProfileChange> changes;
    for (ProfileChange &change : removals(profile, record.Index()))
        if (*change.entry != name)
            changes.push_back(std::move(change));
    changes.push_back(ProfileChange::Set(kHijriMonthStartsSection, name, MonthStartValue(record)));
    return changes;
}

std::vector<ProfileChange> RemoveMonthStartChanges(
    const CProfileSnapshot &profile, int year, int month)
{
    return removals(profile, HijriMonthIndex(year, month));
}

std::vector<ProfileChange> RemoveMonthStartEntryChanges(
    const CProfileSnapshot &profile, const std::string &name)
{
    if (const std::optional<int> index = MonthStartIndex(name))
        return removals(profile, *index);
    return {ProfileChange::Remove(kHijriMonthStartsSection, name)};
}

std::vector<ProfileChange> ReplaceMonthStartsChanges(std::span<const HijriMonthStart> records)
{
    std::vector<ProfileChange> changes{ProfileChange::RemoveSection(kHijriMonthStartsSection)};
    for (const HijriMonthStart &record : records)
        changes.push_back(ProfileChange::Set(
            kHijriMonthStartsSection, MonthStartName(record), MonthStartValue(record)));
    return changes;
}
