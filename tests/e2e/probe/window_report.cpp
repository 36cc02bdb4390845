// Window reports, from EnumWindows and the windows' own answers.
#include "window_report.h"

#include <algorithm>
#include <cwctype>
#include <string>
#include <vector>

#include "handles.h"

namespace startart::e2e {
namespace {

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    const int length = GetClassNameW(window, name, 256);
    return std::wstring(name, static_cast<std::size_t>(std::max(0, length)));
}

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::wstring ProgramNameOf(DWORD process) {
    const win32::UniqueKernelHandle handle(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process));
    wchar_t path[MAX_PATH] = {};
    DWORD length = MAX_PATH;
    if (!handle || !QueryFullProcessImageNameW(handle.get(), 0, path, &length)) {
        return {};
    }
    const std::wstring full(path, length);
    return full.substr(full.find_last_of(L"\\/") + 1);
}

bool SameName(std::wstring_view a, std::wstring_view b) {
    return std::ranges::equal(a, b, [](wchar_t x, wchar_t y) { return std::towlower(x) == std::towlower(y); });
}

RECT ClientOnScreen(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

void ReportCommon(JsonWriter& out, HWND window) {
    RECT outer{};
    GetWindowRect(window, &outer);
    out.Key("hwnd").Number(reinterpret_cast<LONG_PTR>(window));
    out.Key("class").Text(ClassOf(window));
    out.Key("text").Text(TextOf(window));
    out.Key("window").Rect(outer);
    out.Key("client").Rect(ClientOnScreen(window));
    out.Key("visible").Boolean(IsWindowVisible(window));
    out.Key("enabled").Boolean(IsWindowEnabled(window));
}

BOOL CALLBACK Add(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

std::vector<HWND> Collect(HWND parent) {
    std::vector<HWND> windows;
    // A named function: a lambda has no stdcall conversion, which 32-bit
    // callbacks need.
    const WNDENUMPROC add = &Add;
    if (parent) {
        EnumChildWindows(parent, add, reinterpret_cast<LPARAM>(&windows));
    } else {
        EnumWindows(add, reinterpret_cast<LPARAM>(&windows));
    }
    return windows;
}

}  // namespace

void ReportTopLevelWindows(JsonWriter& out, std::wstring_view programName) {
    const HWND foreground = GetForegroundWindow();
    out.BeginArray();
    for (const HWND window : Collect(nullptr)) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        const std::wstring program = ProgramNameOf(process);
        if (!SameName(program, programName)) {
            continue;
        }
        out.BeginObject();
        ReportCommon(out, window);
        out.Key("process").Number(process);
        out.Key("foreground").Boolean(window == foreground);
        out.EndObject();
    }
    out.EndArray();
}

void ReportChildWindows(JsonWriter& out, HWND window) {
    out.BeginArray();
    for (const HWND child : Collect(window)) {
        out.BeginObject();
        ReportCommon(out, child);
        out.EndObject();
    }
    out.EndArray();
}

std::optional<POINT> CloseBoxOf(HWND window) {
    RECT outer{};
    if (!GetWindowRect(window, &outer)) {
        return std::nullopt;
    }
    // The close box is the rightmost thing in the title bar; a coarse scan
    // of the top right corner finds it whatever the frame's metrics.
    RECT box{outer.right, outer.bottom, outer.left, outer.top};
    for (LONG y = outer.top; y < std::min(outer.bottom, outer.top + 40); y += 2) {
        for (LONG x = outer.right - 1; x > std::max(outer.left, outer.right - 60); x -= 2) {
            DWORD_PTR hit = HTNOWHERE;
            SendMessageTimeoutW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 1000, &hit);
            if (hit == HTCLOSE) {
                box =
                    RECT{std::min(box.left, x), std::min(box.top, y), std::max(box.right, x), std::max(box.bottom, y)};
            }
        }
    }
    if (box.left > box.right) {
        return std::nullopt;
    }
    return POINT{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
}

}  // namespace startart::e2e
