#include "started_program.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace startart::bench {
namespace {

constexpr DWORD kCloseTimeoutMs = 5000;

struct WindowSearch {
    DWORD process;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectVisibleWindow(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<WindowSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.process && IsWindowVisible(window)) {
        // No exception may leave for the system's code: a window that cannot
        // be noted ends the search, as if the program showed none yet.
        try {
            search.windows.push_back(window);
        } catch (...) {
            search.windows.clear();
            return FALSE;
        }
    }
    return TRUE;
}

std::vector<HWND> VisibleTopLevelWindows(DWORD process) {
    WindowSearch search{process, {}};
    EnumWindows(&CollectVisibleWindow, reinterpret_cast<LPARAM>(&search));
    return search.windows;
}

bool NeedsPainting(HWND window) {
    return GetUpdateRect(window, nullptr, FALSE) != FALSE;
}

BOOL CALLBACK FindChildToPaint(HWND child, LPARAM found) {
    *reinterpret_cast<bool*>(found) = NeedsPainting(child);
    return !*reinterpret_cast<bool*>(found);
}

bool ChildNeedsPainting(HWND window) {
    bool found = false;
    EnumChildWindows(window, &FindChildToPaint, reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

StartedProgram::StartedProgram(const std::filesystem::path& program,
                               const std::wstring& arguments,
                               const std::filesystem::path& folder) {
    std::wstring commandLine = L"\"" + program.wstring() + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &started)) {
        throw std::runtime_error("cannot start " + program.string() + " (error " + std::to_string(GetLastError()) +
                                 ")");
    }
    process_.reset(started.hProcess);
    thread_.reset(started.hThread);
    id_ = started.dwProcessId;
}

StartedProgram::~StartedProgram() {
    for (const HWND window : VisibleTopLevelWindows(id_)) {
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process_.get(), kCloseTimeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(process_.get(), 1);
        WaitForSingleObject(process_.get(), kCloseTimeoutMs);
    }
}

bool StartedProgram::Painted() const {
    const std::vector<HWND> windows = VisibleTopLevelWindows(id_);
    if (windows.empty()) {
        return false;
    }
    for (const HWND window : windows) {
        if (NeedsPainting(window) || ChildNeedsPainting(window)) {
            return false;
        }
    }
    return true;
}

SIZE StartedProgram::ClientSize() const {
    const std::vector<HWND> windows = VisibleTopLevelWindows(id_);
    RECT client{};
    if (!windows.empty()) {
        GetClientRect(windows.front(), &client);
    }
    return SIZE{client.right, client.bottom};
}

bool StartedProgram::Ended() const {
    return WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0;
}

}  // namespace startart::bench
