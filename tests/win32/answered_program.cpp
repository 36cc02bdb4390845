#include "answered_program.h"

#include "handles.h"
#include "text.h"

namespace startart::win32::testing {
namespace {

struct FoundBox {
    DWORD process;
    HWND box = nullptr;
};

BOOL CALLBACK FindBox(HWND window, LPARAM found) {
    auto* search = reinterpret_cast<FoundBox*>(found);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (process == search->process && IsWindowVisible(window) && std::wstring(name) == L"#32770") {
        search->box = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CountVisible(HWND window, LPARAM count) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    auto* counting = reinterpret_cast<std::pair<DWORD, int>*>(count);
    counting->second += process == counting->first && IsWindowVisible(window) ? 1 : 0;
    return TRUE;
}

}  // namespace

AnsweredProgram RunAndAnswer(const TempFolder& folder, const std::filesystem::path& program) {
    const auto copy = folder / program.filename().string();
    std::filesystem::copy_file(program, copy);
    std::wstring commandLine = L"\"" + copy.wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    AnsweredProgram answered;
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started)) {
        answered.text = "(not started)";
        return answered;
    }
    const UniqueKernelHandle process(started.hProcess);
    const UniqueKernelHandle thread(started.hThread);

    FoundBox found{started.dwProcessId};
    for (int attempt = 0; attempt < 200 && !found.box; ++attempt) {
        Sleep(50);
        EnumWindows(&FindBox, reinterpret_cast<LPARAM>(&found));
    }
    if (found.box) {
        wchar_t buffer[512] = {};
        GetDlgItemTextW(found.box, 0xFFFF, buffer, 512);
        answered.text = Narrow(buffer);
        GetWindowTextW(found.box, buffer, 512);
        answered.caption = Narrow(buffer);
        std::pair<DWORD, int> visible{started.dwProcessId, 0};
        EnumWindows(&CountVisible, reinterpret_cast<LPARAM>(&visible));
        answered.visibleWindows = visible.second;
        PostMessageW(found.box, WM_COMMAND, IDOK, 0);
    }
    if (WaitForSingleObject(process.get(), 10000) != WAIT_OBJECT_0) {
        TerminateProcess(process.get(), 99);
        WaitForSingleObject(process.get(), 5000);
    }
    GetExitCodeProcess(process.get(), &answered.status);
    return answered;
}

}  // namespace startart::win32::testing
