// What the benchmarks report of a series of measurements.
#pragma once

#include <string>
#include <vector>

namespace startart::bench {

struct Summary {
    double median = 0;
    // The nearest-rank 95th percentile: 95 % of the values are at most this.
    double p95 = 0;
    double min = 0;
    double max = 0;
};

// Of at least one value.
Summary Summarize(std::vector<double> values);

// "12.34" with two decimals, for the tables the benchmarks print.
std::string Format(double milliseconds);

}  // namespace startart::bench
