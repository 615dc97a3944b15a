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
#include "text/sentence.h"
#include "text/translate.h"

#include <cstdio>
#include <ctime>

namespace {

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

} // namespace

void CZamanixView::CheckMissedReminders()
{
    const CTime now = CTime::GetCurrentTime();
    m_profile.Refresh();
    if (!m_timeChecked) {
        // The first start ever knows of no days before it.
        const std::optional<std::int64_t> recorded = m_profile.Settings().lastCheck;
        m_timeChecked = recorded ? CTime(*recorded) : now;
    }
    const std::vector<MissedReminder> missed = FindMissedReminders(
        LocalMinuteOf(*m_timeChecked), DayNumberOf(now), GetHijriCalendar(), m_profile.Lookup());
    // Told now or never to be: the days before today are done with.
    if (const CTime yesterday = endOfYesterday(now); m_timeChecked->GetTime() < yesterday.GetTime())
        m_timeChecked = yesterday;
    RecordLastCheck();
    if (!missed.empty())
        emit m_news.remindersMissed(missed);
}

void CZamanixView::RecordLastCheck()
{
    if (!m_timeChecked || m_timeChecked->GetTime() == m_profile.Settings().lastCheck)
        return;
    std::string error;
    if (m_profile.SetLastCheck(m_timeChecked->GetTime(), error))
        return;
    // Not worth a box each minute: missed reminders may be told again.
    static bool s_bTold = false;
    if (!s_bTold)
        std::fprintf(stderr, "%s\n",
            FillSentence(Translate("CZamanixView",
                             "zamanix: cannot record when the reminders were last checked: %1"),
                {error})
                .c_str());
    s_bTold = true;
}
