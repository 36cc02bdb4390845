// The program's entry: the Win32 platform, the application on it, the start
// of the main window inside the event barrier, and the message loop until the
// program ends. The application and with it every window is gone before the
// exit status goes back to Windows.
// Needs: the Win32 platform.
#include <windows.h>

#include "app/application.h"
#include "text.h"
#include "win32_platform.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
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
        return static_cast<int>(startart::ExitStatus::kRuntimeError);
    }
}
