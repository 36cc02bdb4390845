// e2e-probe: looks at the windows of a running program from inside Wine,
// where they are real windows; from outside, X sees only Wine's desktop.
// Each call prints one line of JSON:
//
//   e2e-probe windows PROGRAM.exe   top-level windows of that program
//   e2e-probe children HWND         the windows inside a window
//   e2e-probe closebox HWND         the middle of its close box: [x, y] or null
//
// Places are screen pixels; window handles are decimal numbers.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string_view>

#include "json.h"
#include "window_report.h"

namespace {

int Usage() {
    std::fputs("usage: e2e-probe windows PROGRAM.exe | children HWND | closebox HWND\n", stderr);
    return 2;
}

HWND WindowArgument(const wchar_t* text) {
    return reinterpret_cast<HWND>(static_cast<LONG_PTR>(std::wcstoll(text, nullptr, 10)));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    using namespace startart::e2e;
    if (argc != 3) {
        return Usage();
    }
    const std::wstring_view command = argv[1];
    JsonWriter out;
    if (command == L"windows") {
        ReportTopLevelWindows(out, argv[2]);
    } else if (command == L"children") {
        ReportChildWindows(out, WindowArgument(argv[2]));
    } else if (command == L"closebox") {
        const auto point = CloseBoxOf(WindowArgument(argv[2]));
        if (point) {
            out.BeginArray().Number(point->x).Number(point->y).EndArray();
        } else {
            out.Null();
        }
    } else {
        return Usage();
    }
    std::printf("%s\n", out.Result().c_str());
    return 0;
}
