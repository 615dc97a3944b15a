#include "sync/publish_schedule.h"

#include <algorithm>

void CPublishSchedule::Start(std::int64_t now)
{
    m_base = now;
}

void CPublishSchedule::OnChanged(std::int64_t now)
{
    if (!m_base)
        return;
    if (!m_firstChange)
        m_firstChange = now;
    m_changeAt = std::min(now + kSettle, *m_firstChange + kLongestSettle);
    // While the server fails, a change waits for the next try.
    if (m_retryPause > 0)
        m_changeAt = std::max(*m_changeAt, m_retryAt);
}

void CPublishSchedule::OnStarted(std::int64_t now)
{
    m_firstChange.reset();
    m_changeAt.reset();
    m_base = now + kDaily;
}

void CPublishSchedule::OnPublished(PublishFailure failure, std::int64_t now)
{
    if (failure == PublishFailure::None) {
        m_retryPause = 0;
        m_lastFailure = PublishFailure::None;
        m_bTell = false;
        m_base = now + kDaily;
        return;
    }
    m_bTell = m_bTell || failure != m_lastFailure;
    m_lastFailure = failure;
    m_retryPause = m_retryPause == 0 ? kFirstRetry : std::min(2 * m_retryPause, kLongestRetry);
    m_retryAt = now + m_retryPause;
    m_base = m_retryAt;
    if (m_changeAt)
        m_changeAt = std::max(*m_changeAt, m_retryAt);
}

std::optional<std::int64_t> CPublishSchedule::Next() const
{
    if (!m_base || !m_changeAt)
        return m_base;
    return std::min(*m_base, *m_changeAt);
}

bool CPublishSchedule::TakeFailureToTell()
{
    const bool tell = m_bTell;
    m_bTell = false;
    return tell;
}
