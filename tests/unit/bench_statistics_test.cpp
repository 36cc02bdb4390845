// The figures the benchmarks report of their series of measurements.
#include "statistics.h"

#include <gtest/gtest.h>

namespace startart::bench {
namespace {

TEST(BenchStatistics, MedianOfAnOddSeriesIsItsMiddleValue) {
    EXPECT_EQ(Summarize({5, 1, 3}).median, 3);
}

TEST(BenchStatistics, MedianOfAnEvenSeriesLiesBetweenTheMiddleValues) {
    EXPECT_EQ(Summarize({4, 1, 3, 2}).median, 2.5);
}

TEST(BenchStatistics, NinetyFifthPercentileIsAValueOfTheSeries) {
    std::vector<double> values;
    for (int i = 100; i >= 1; --i) {
        values.push_back(i);
    }
    EXPECT_EQ(Summarize(values).p95, 95);
    EXPECT_EQ(Summarize({7, 1}).p95, 7);
}

TEST(BenchStatistics, OneValueIsEveryFigure) {
    const Summary s = Summarize({4.5});
    EXPECT_EQ(s.median, 4.5);
    EXPECT_EQ(s.p95, 4.5);
    EXPECT_EQ(s.min, 4.5);
    EXPECT_EQ(s.max, 4.5);
}

TEST(BenchStatistics, ExtremesAreTheSmallestAndLargestValue) {
    const Summary s = Summarize({3, -1, 8, 2});
    EXPECT_EQ(s.min, -1);
    EXPECT_EQ(s.max, 8);
}

TEST(BenchStatistics, MillisecondsAreShownWithTwoDecimals) {
    EXPECT_EQ(Format(1.005e3), "1005.00");
    EXPECT_EQ(Format(0.126), "0.13");
}

}  // namespace
}  // namespace startart::bench
