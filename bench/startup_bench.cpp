// How long a program takes from its start to its first painted window,
// against another program under the same conditions:
//
//   startup-bench [--runs N] PROGRAM.exe YARDSTICK.exe
//
// Each program runs once to warm up (Wine's first start of a program loads
// and maps everything cold), then N times each (15 unless told), the two in
// turn so that whatever slows the machine down slows both. A run counts from
// just before CreateProcess until the program shows a window with nothing
// left to paint, and the program is closed before the next run.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "clock.h"
#include "started_program.h"
#include "statistics.h"

namespace startart::bench {
namespace {

constexpr int kDefaultRuns = 15;
constexpr int kMinimumRuns = 10;
constexpr double kGiveUpMs = 30000;
constexpr double kTargetRatio = 1.5;

// Milliseconds to the first paint, or nothing when the program ended first
// or never got there.
std::optional<double> TimeToFirstPaint(const std::filesystem::path& program) {
    const double start = Milliseconds();
    const StartedProgram started(program);
    while (!started.Painted()) {
        if (started.Ended() || Milliseconds() - start > kGiveUpMs) {
            return std::nullopt;
        }
        // A millisecond's rest between looks: asking without one would keep
        // the window server busy with the driver rather than the program.
        Sleep(1);
    }
    return Milliseconds() - start;
}

struct Program {
    std::filesystem::path path;
    std::vector<double> times;
    int failures = 0;

    std::string Name() const { return path.filename().string(); }
    void Run() {
        if (const std::optional<double> time = TimeToFirstPaint(path)) {
            times.push_back(*time);
        } else {
            ++failures;
        }
    }
};

void PrintLine(const Program& program, std::size_t width) {
    const std::string name = program.Name() + ":";
    if (program.times.empty()) {
        std::printf("  %-*s no run painted a window\n", static_cast<int>(width), name.c_str());
        return;
    }
    const Summary s = Summarize(program.times);
    std::printf("  %-*s median %8s ms   min %8s ms   max %8s ms   (%zu runs", static_cast<int>(width), name.c_str(),
                Format(s.median).c_str(), Format(s.min).c_str(), Format(s.max).c_str(), program.times.size());
    if (program.failures > 0) {
        std::printf(", %d more never painted", program.failures);
    }
    std::printf(")\n");
}

int Usage() {
    std::fprintf(stderr, "usage: startup-bench [--runs N] PROGRAM.exe YARDSTICK.exe (N at least %d)\n", kMinimumRuns);
    return 2;
}

int Run(int argc, wchar_t** argv) {
    int runs = kDefaultRuns;
    int first = 1;
    if (argc == 5 && std::wcscmp(argv[1], L"--runs") == 0) {
        runs = static_cast<int>(std::wcstol(argv[2], nullptr, 10));
        first = 3;
    }
    if (argc != first + 2 || runs < kMinimumRuns) {
        return Usage();
    }
    Program programs[2] = {{std::filesystem::absolute(argv[first]).make_preferred(), {}, 0},
                           {std::filesystem::absolute(argv[first + 1]).make_preferred(), {}, 0}};

    for (Program& program : programs) {
        program.Run();
        program.times.clear();
        program.failures = 0;
    }
    for (int run = 0; run < runs; ++run) {
        for (Program& program : programs) {
            program.Run();
        }
    }

    const std::size_t width = std::max(programs[0].Name().size(), programs[1].Name().size()) + 1;
    std::printf("Start-up to the first painted window, %d runs each, taken in turn after one warm-up run\n", runs);
    std::printf("of each that is not counted (Wine's first start of a program is slow):\n");
    PrintLine(programs[0], width);
    PrintLine(programs[1], width);
    if (programs[0].times.empty() || programs[1].times.empty()) {
        return 1;
    }
    const double ratio = Summarize(programs[0].times).median / Summarize(programs[1].times).median;
    std::printf("  ratio of the medians %s / %s: %.2f (target: at most %.1f, %s)\n", programs[0].Name().c_str(),
                programs[1].Name().c_str(), ratio, kTargetRatio, ratio <= kTargetRatio ? "met" : "NOT met");
    return programs[0].failures + programs[1].failures == 0 ? 0 : 1;
}

}  // namespace
}  // namespace startart::bench

int wmain(int argc, wchar_t** argv) {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    try {
        return startart::bench::Run(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "startup-bench: %s\n", error.what());
        return 1;
    }
}
