// The reminders missed while the program did not run or the machine slept,
// and the record in the profile of when the reminders were last checked.
//
// The record is written when a prompt opens, when a new day (or a jump of
// the clock) has been caught up on, and at exit, not at every check: a
// reminder whose time came while the program ran either opened a prompt,
// which wrote the record, or was not due. After a crash the record may lag
// behind the last check, so that what came after it is listed the next
// time: told twice rather than never.
#include "form/today_line.h"
#include "form/zamanix_view.h"

#include "framework/winapp.h"
#include "reminders/profile.h"
#include "reminders/reminder_entries.h"

#include <charconv>
#include <cstdio>
#include <ctime>

namespace {

LocalMinute localMinuteOf(const CTime &time)
{
    return {DayNumberOf(time), time.GetHour(), time.GetMinute()};
}

// The last second of the day before `now`'s, local time.
CTime endOfYesterday(const CTime &now)
{
    std::tm midnight{};
    midnight.tm_year = now.GetYear() - 1900;
    midnight.tm_mon = now.GetMonth() - 1;
    midnight.tm_mday = now.GetDay();
    midnight.tm_isdst = -1;
    return CTime(static_cast<std::int64_t>(std::mktime(&midnight)) - 1);
}

std::optional<CTime> readLastCheck(const CProfileSnapshot &profile)
{
    const CString text = profile.Get(kDefaultsSection, kLastCheckEntry, "");
    std::int64_t seconds = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    // A value mended by hand into something else counts as none.
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return CTime(seconds);
}

} // namespace

void CZamanixView::CheckMissedReminders()
{
    const CTime now = CTime::GetCurrentTime();
    readProfile();
    if (!m_timeChecked) {
        const std::optional<CTime> recorded = readLastCheck(m_profileRead);
        m_timeRecorded = recorded;
        // The first start ever knows of no days before it.
        m_timeChecked = recorded.value_or(now);
    }
    const std::vector<MissedReminder> missed =
        FindMissedReminders(localMinuteOf(*m_timeChecked), DayNumberOf(now), GetHijriCalendar(),
            [this](std::string_view section, std::string_view entry) {
                return m_profileRead.Find(section, entry);
            });
    // Told now or never to be: the days before today are done with.
    if (const CTime yesterday = endOfYesterday(now); m_timeChecked->GetTime() < yesterday.GetTime())
        m_timeChecked = yesterday;
    RecordLastCheck();
    if (!missed.empty())
        NotifyRemindersMissed(missed);
}

void CZamanixView::RecordLastCheck()
{
    if (!m_timeChecked || m_timeChecked == m_timeRecorded)
        return;
    CWinApp *app = AfxGetApp();
    const CString value = Format("%lld", static_cast<long long>(m_timeChecked->GetTime()));
    const ProfileChange change[] = {ProfileChange::Set(kDefaultsSection, kLastCheckEntry, value)};
    if (app->WriteProfileEntries(change)) {
        m_timeRecorded = m_timeChecked;
        return;
    }
    // Not worth a box each minute: missed reminders may be told again.
    static bool s_bTold = false;
    if (!s_bTold)
        std::fprintf(stderr, "zamanix: cannot record when the reminders were last checked: %s\n",
            app->GetLastProfileError().c_str());
    s_bTold = true;
}
