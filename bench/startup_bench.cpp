// How long the menu takes from its start to its first painted window, against
// two yardsticks under the same conditions:
//
//   startup-bench [--runs N] MENU.exe FLOOR.exe EMPTY.exe
//
// MENU.exe lies in the folder of its medium. FLOOR.exe, the floor of the
// menu's job, shows the medium's pictures, decoded with WIC, in one window of
// the size the menu's window has; EMPTY.exe opens an empty window. Each
// program runs once to warm up (Wine's first start of a program loads and
// maps everything cold; the menu's also tells the size of its window), then
// N times each (15 unless told), the three in turn so that whatever slows the
// machine down slows all. A run counts from just before CreateProcess until
// the program shows a window with nothing left to paint, and the program is
// closed before the next run. All three start in the medium's folder.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "clock.h"
#include "config/record_codec.h"
#include "started_program.h"
#include "statistics.h"

namespace startart::bench {
namespace {

constexpr int kDefaultRuns = 15;
constexpr int kMinimumRuns = 15;
constexpr double kGiveUpMs = 30000;
constexpr double kTargetRatio = 1.2;

struct Program {
    std::filesystem::path path;
    std::wstring arguments;
    std::vector<double> times;
    int failures = 0;

    std::string Name() const { return path.filename().string(); }
};

// Milliseconds to the first paint, or nothing when the program ended first
// or never got there; `shown` gets the size of the window it showed.
std::optional<double> TimeToFirstPaint(const Program& program, const std::filesystem::path& folder, SIZE* shown) {
    const double start = Milliseconds();
    const StartedProgram started(program.path, program.arguments, folder);
    while (!started.Painted()) {
        if (started.Ended() || Milliseconds() - start > kGiveUpMs) {
            return std::nullopt;
        }
        // A millisecond's rest between looks: asking without one would keep
        // the window server busy with the driver rather than the program.
        Sleep(1);
    }
    const double time = Milliseconds() - start;
    if (shown) {
        *shown = started.ClientSize();
    }
    return time;
}

void Run(Program& program, const std::filesystem::path& folder) {
    if (const std::optional<double> time = TimeToFirstPaint(program, folder, nullptr)) {
        program.times.push_back(*time);
    } else {
        ++program.failures;
    }
}

std::wstring Wide(const std::string& utf8) {
    std::wstring wide(utf8.size(), L'\0');
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                                           static_cast<int>(wide.size()));
    wide.resize(static_cast<std::size_t>(std::max(length, 0)));
    return wide;
}

std::wstring Quoted(const std::string& utf8) {
    return L"\"" + Wide(utf8) + L"\"";
}

// The floor's arguments: the size of the menu's window and the pictures that
// the medium's settings name.
std::wstring FloorArguments(const std::filesystem::path& medium, SIZE client) {
    std::ifstream file(medium / "st.art", std::ios::binary);
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const MenuSettings menu = DecodeSettingsFile(bytes).menu;
    return std::to_wstring(client.cx) + L" " + std::to_wstring(client.cy) + L" " + Quoted(menu.titelbild) + L" " +
           Quoted(menu.bild) + L" " + Quoted(menu.icon);
}

void PrintLine(const Program& program, std::size_t width) {
    const std::string name = program.Name() + ":";
    if (program.times.empty()) {
        std::printf("  %-*s no run painted a window\n", static_cast<int>(width), name.c_str());
        return;
    }
    const Summary s = Summarize(program.times);
    std::printf("  %-*s median %8s ms   95th percentile %8s ms   min %8s ms   max %8s ms   (%zu runs",
                static_cast<int>(width), name.c_str(), Format(s.median).c_str(), Format(s.p95).c_str(),
                Format(s.min).c_str(), Format(s.max).c_str(), program.times.size());
    if (program.failures > 0) {
        std::printf(", %d more never painted", program.failures);
    }
    std::printf(")\n");
}

void PrintRatio(const Program& menu, const Program& yardstick, const char* target) {
    const double ratio = Summarize(menu.times).median / Summarize(yardstick.times).median;
    std::printf("  ratio of the medians %s / %s: %.2f%s\n", menu.Name().c_str(), yardstick.Name().c_str(), ratio,
                target);
}

int Usage() {
    std::fprintf(stderr, "usage: startup-bench [--runs N] MENU.exe FLOOR.exe EMPTY.exe (N at least %d)\n",
                 kMinimumRuns);
    return 2;
}

int Run(int argc, wchar_t** argv) {
    int runs = kDefaultRuns;
    int first = 1;
    if (argc == 6 && std::wcscmp(argv[1], L"--runs") == 0) {
        runs = static_cast<int>(std::wcstol(argv[2], nullptr, 10));
        first = 3;
    }
    if (argc != first + 3 || runs < kMinimumRuns) {
        return Usage();
    }
    const auto path = [&](int i) { return std::filesystem::absolute(argv[first + i]).make_preferred(); };
    Program menu{path(0), L"", {}, 0};
    Program pictures{path(1), L"", {}, 0};
    Program empty{path(2), L"", {}, 0};
    const std::filesystem::path medium = menu.path.parent_path();

    SIZE client{};
    if (!TimeToFirstPaint(menu, medium, &client)) {
        std::fprintf(stderr, "startup-bench: the menu on %s never painted its window\n", medium.string().c_str());
        return 1;
    }
    pictures.arguments = FloorArguments(medium, client);
    TimeToFirstPaint(pictures, medium, nullptr);
    TimeToFirstPaint(empty, medium, nullptr);
    for (int run = 0; run < runs; ++run) {
        for (Program* program : {&menu, &pictures, &empty}) {
            Run(*program, medium);
        }
    }

    const std::size_t width = std::max({menu.Name().size(), pictures.Name().size(), empty.Name().size()}) + 1;
    std::printf("Start-up to the first painted window on %s (a window of %ld x %ld), %d runs each,\n",
                medium.filename().string().c_str(), client.cx, client.cy, runs);
    std::printf("taken in turn after one warm-up run of each that is not counted:\n");
    for (const Program* program : {&menu, &pictures, &empty}) {
        PrintLine(*program, width);
    }
    if (menu.times.empty() || pictures.times.empty() || empty.times.empty()) {
        return 1;
    }
    char target[64];
    const double toFloor = Summarize(menu.times).median / Summarize(pictures.times).median;
    std::snprintf(target, sizeof target, " (target: at most %.1f, %s)", kTargetRatio,
                  toFloor <= kTargetRatio ? "met" : "NOT met");
    PrintRatio(menu, pictures, target);
    PrintRatio(menu, empty, "");
    return menu.failures + pictures.failures + empty.failures == 0 ? 0 : 1;
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
