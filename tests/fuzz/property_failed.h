// A property that a fuzz target checks did not hold. Aborting makes libFuzzer
// keep the input as a crash file and stop.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

namespace startart::fuzz {

[[noreturn]] inline void PropertyFailed(const std::string& what) {
    std::fprintf(stderr, "%s\n", what.c_str());
    std::abort();
}

}  // namespace startart::fuzz
