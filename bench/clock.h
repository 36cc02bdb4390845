// The performance counter in milliseconds, the finest clock Windows has.
#pragma once

#include <windows.h>

namespace startart::bench {

inline double Milliseconds() {
    LARGE_INTEGER frequency;
    LARGE_INTEGER now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

}  // namespace startart::bench
