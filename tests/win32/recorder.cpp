// A stand-in for the programs the menu starts (write, notepad, explorer): it
// appends its command line and the show state it was given to a file named
// after itself, beside itself, so a test can read what the menu started.
#include <windows.h>

#include <cstdio>
#include <string>

int wmain() {
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
    if (FILE* file = _wfopen(log.c_str(), L"ab")) {
        std::fwrite(utf8.data(), 1, utf8.size(), file);
        std::fclose(file);
    }
    return 0;
}
