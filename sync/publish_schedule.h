// When the desktop program publishes, as a plain object it asks and tells
// (times in seconds since 1970; no clock of its own): shortly after a change
// of the reminders or of the Hijri settings, so that a burst of changes is
// one publish; once a day after a success, for the rolling span of days;
// after a failure again with growing pauses. A failure is to be shown once,
// until a publish succeeds or fails otherwise.
//
//   schedule.OnChanged(now);                 // "reminders changed"
//   if (schedule.Due(now) && publisher.Start(...)) schedule.OnStarted(now);
//   schedule.OnPublished(result.failure, now); // on Finished
//   if (schedule.TakeFailureToTell()) ... tell the user once ...
#pragma once

#include "sync/publish.h"

#include <cstdint>
#include <optional>

class CPublishSchedule {
public:
    // How long after a change a publish waits for more changes, and the most
    // a burst of changes may put it off.
    static constexpr std::int64_t kSettle = 10;
    static constexpr std::int64_t kLongestSettle = 60;
    static constexpr std::int64_t kDaily = 24 * 60 * 60;
    // The pauses after failures: the first, doubled after each further
    // failure, up to the longest.
    static constexpr std::int64_t kFirstRetry = 60;
    static constexpr std::int64_t kLongestRetry = 60 * 60;

    // Publishing is set up at `now`: the first publish is due at once.
    void Start(std::int64_t now);
    void OnChanged(std::int64_t now);
    // A publish starts, with every change so far.
    void OnStarted(std::int64_t now);
    // A publish ended at `now`, with its failure (None: it succeeded).
    void OnPublished(PublishFailure failure, std::int64_t now);

    bool Due(std::int64_t now) const { return Next() && now >= *Next(); }
    // When the next publish is due; none before Start.
    std::optional<std::int64_t> Next() const;
    // True once for each failure to show: the first of its kind after a
    // success or after a failure of another kind.
    bool TakeFailureToTell();

private:
    std::optional<std::int64_t> m_base; // the start, the daily publish or the next try
    std::optional<std::int64_t> m_changeAt; // the publish of changes no publish has taken
    std::optional<std::int64_t> m_firstChange; // the first of those changes
    std::int64_t m_retryPause = 0; // 0: the last publish succeeded
    std::int64_t m_retryAt = 0;
    PublishFailure m_lastFailure = PublishFailure::None;
    bool m_bTell = false;
};
