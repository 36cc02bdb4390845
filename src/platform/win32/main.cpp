// The program's entry: the Win32 platform, the application on it, the start
// of the main window inside the event barrier, and the message loop until the
// program ends. The application and with it every window is gone before the
// exit status goes back to Windows.
// Needs: the Win32 platform.
#include <windows.h>

#include "app/application.h"
#include "runtime/fault_report.h"
#include "system/program_files.h"
#include "system/system_files.h"
#include "text.h"
#include "toolkit/event_barrier.h"
#include "win32_platform.h"

namespace {

// DLLs that the program or Windows on its behalf loads by name come from the
// system's folder only, never from the medium or a Downloads folder beside
// the program. Windows 7 without its update lacks the function.
void LoadLibrariesFromTheSystemOnly() {
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    const auto setDefaultDllDirectories = startart::win32::FunctionOf<SetDefaultDllDirectoriesFunction>(
        GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    if (setDefaultDllDirectories) {
        setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    startart::win32::ReportFaultsAsRuntimeErrors();
    LoadLibrariesFromTheSystemOnly();
    try {
        startart::win32::Win32Platform platform;
        // A program target on the medium is a relative command line, which
        // the system resolves against the current directory. An autostart
        // sets that to the medium, a shortcut or a console may not.
        SetCurrentDirectoryW(startart::win32::Widen(platform.ExecutableDirectory()).c_str());
        startart::Application app(platform);
        platform.Barrier().Run([&app] { app.Start(); });
        return platform.RunMessageLoop();
    } catch (...) {
        // The platform itself could not start: no event barrier can report it.
        using namespace startart::win32;
        MessageBoxW(nullptr, Widen(startart::ReportOfCurrentException()).c_str(), Widen(TitleOf(ProgramPath())).c_str(),
                    MB_OK | MB_TASKMODAL);
        return static_cast<int>(startart::ExitStatus::kRuntimeError);
    }
}
