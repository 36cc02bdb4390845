// The summary of a series of measurements, and its numbers as printed.
#include "statistics.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace startart::bench {

Summary Summarize(std::vector<double> values) {
    std::ranges::sort(values);
    const std::size_t n = values.size();
    const double median = n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    const auto rank = static_cast<std::size_t>(std::ceil(0.95 * static_cast<double>(n)));
    return Summary{median, values[rank - 1], values.front(), values.back()};
}

std::string Format(double milliseconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", milliseconds);
    return text;
}

}  // namespace startart::bench
