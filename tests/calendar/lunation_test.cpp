// The engine finds a date's lunation faster than the plain downward search;
// these tests hold it to exactly the search's answers.
#include "calendar/lunation.h"

#include "calendar/calendar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

TEST(Lunation, NewMoonsStayWithinTheirBoundOfTheMeanInstant)
{
    // Every lunation of the supported years and well beyond.
    double worst = 0;
    for (int n = -75000; n <= 20000; ++n) {
        const double deviation = std::fabs(tmoonphase(n, 0) - MeanNewMoon(n));
        ASSERT_LE(deviation, NewMoonDeviationBound(n)) << "lunation " << n;
        worst = std::max(worst, deviation / NewMoonDeviationBound(n));
    }
    RecordProperty("worst_fraction_of_bound", std::to_string(worst));
}

TEST(Lunation, SameAsTheSearchOnEveryDayOfTheRange)
{
    const double first = juliandate(-4000, 1, 1, 0);
    const double last = juliandate(3000, 12, 31, 0);
    for (double jd = first; jd <= last; jd += 1) {
        const CalendarDate c = *christiandate(jd + 0.5);
        const int estimate = EstimateLunation(c.year, c.month, c.day);
        const LunationFound fast = FindLunation(estimate, jd);
        const LunationFound plain = SearchLunation(estimate, jd);
        ASSERT_EQ(fast.lunation, plain.lunation) << c.year << "-" << c.month << "-" << c.day;
        ASSERT_EQ(fast.start, plain.start);
        ASSERT_GE(estimate - plain.lunation, 0);
        ASSERT_LE(estimate - plain.lunation, 2);
    }
}

// In any order, and for estimates that lie below the lunation (which the
// search then returns as they are), the answers stay the search's.
TEST(Lunation, SameAsTheSearchInAnyOrderAndForAnyEstimate)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> day(static_cast<int>(juliandate(-4713, 1, 1, 0) + 1.5),
        static_cast<int>(juliandate(9000, 1, 1, 0)));
    std::uniform_int_distribution<int> offset(-3, 3);
    for (int i = 0; i < 200000; ++i) {
        const double jd = day(random) - 0.5;
        const CalendarDate c = *christiandate(jd + 0.5);
        const int estimate = EstimateLunation(c.year, c.month, c.day) + offset(random);
        const LunationFound fast = FindLunation(estimate, jd);
        const LunationFound plain = SearchLunation(estimate, jd);
        ASSERT_EQ(fast.lunation, plain.lunation) << jd << " from " << estimate;
        ASSERT_EQ(fast.start, plain.start);
        // And again right away, as consecutive conversions do.
        ASSERT_EQ(
            FindLunation(estimate, jd + 1).lunation, SearchLunation(estimate, jd + 1).lunation);
    }
}

TEST(Lunation, RememberedStartsAreExact)
{
    for (int n : {-75000, -15800, -1, 0, 1, 1048, 1048, 20000, 1049, 1048}) {
        double newMoon;
        EXPECT_EQ(RememberedMonthStart(n), monthstart(n, &newMoon)) << n;
    }
}

} // namespace
