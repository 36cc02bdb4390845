// The 16-bit signed integers of the settings and of all arithmetic on them.
// Every operation checks its result: leaving -32768..32767 raises the overflow
// error instead of wrapping, so a broken settings file stops the start-up with
// a report rather than drawing a garbled window.
#pragma once

#include <cstdint>

namespace startart {

using Int16 = std::int16_t;
using Single = float;

Int16 Add16(Int16 a, Int16 b);
Int16 Sub16(Int16 a, Int16 b);
Int16 Mul16(Int16 a, Int16 b);
Int16 Neg16(Int16 a);

// Rounds to the nearest integer, halves to the even neighbour, and checks the
// 16-bit range. NaN is an overflow too.
Int16 ToInt16(double value);

}  // namespace startart
