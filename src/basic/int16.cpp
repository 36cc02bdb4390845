#include "basic/int16.h"

#include <cmath>
#include <limits>

#include "basic/runtime_error.h"

namespace startart {
namespace {

Int16 Checked(std::int32_t value) {
    if (value < std::numeric_limits<Int16>::min() || value > std::numeric_limits<Int16>::max()) {
        RaiseOverflow();
    }
    return static_cast<Int16>(value);
}

}  // namespace

Int16 Add16(Int16 a, Int16 b) {
    return Checked(std::int32_t{a} + b);
}

Int16 Sub16(Int16 a, Int16 b) {
    return Checked(std::int32_t{a} - b);
}

Int16 Mul16(Int16 a, Int16 b) {
    return Checked(std::int32_t{a} * b);
}

Int16 Neg16(Int16 a) {
    return Checked(-std::int32_t{a});
}

Int16 ToInt16(double value) {
    if (std::isnan(value)) {
        RaiseOverflow();
    }
    // Range-checked while still a double: converting an out-of-range value
    // to an integer would be undefined.
    const double rounded = value - std::floor(value) == 0.5 ? 2.0 * std::round(value / 2.0) : std::round(value);
    if (rounded < std::numeric_limits<Int16>::min() || rounded > std::numeric_limits<Int16>::max()) {
        RaiseOverflow();
    }
    return static_cast<Int16>(rounded);
}

}  // namespace startart
