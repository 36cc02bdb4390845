// A stand-in for the programs the menu starts (write, notepad, explorer): it
// appends its command line and the show state it was given to a file named
// after itself, beside itself, so a test can read what the menu started.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring log(path, length);
    log.replace(log.rfind(L'.'), std::wstring::npos, L".log");

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
    const std::wstring line = std::wstring(GetCommandLineW()) + L"\t" + std::to_wstring(show) + L"\n";

    const int size =
        WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), utf8.data(), size, nullptr, nullptr);
    // Two stand-ins started at once must not write over each other's line:
    // the runtime's append mode seeks to the end and then writes, so the log
    // is opened for this one writer alone, while the other waits its turn.
    // A test may read it meanwhile.
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 500 && file == INVALID_HANDLE_VALUE; ++attempt) {
        file = CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            Sleep(10);
        }
    }
    if (file == INVALID_HANDLE_VALUE) {
        return 1;
    }
    DWORD written = 0;
    SetFilePointer(file, 0, nullptr, FILE_END);
    WriteFile(file, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
    CloseHandle(file);
    return 0;
}
