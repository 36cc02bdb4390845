// Starting programs and opening documents for the user, without waiting for
// them. A start that fails tells why in German and what kind of failure it
// was: a missing program, one that needs administrator rights, a consent
// prompt the user declined.
// Needs: kernel32, shell32.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "toolkit/platform.h"

namespace startart::win32 {

std::optional<StartFailure> StartCommandLine(const std::string& commandLine, ShowState show, SystemProgram program);
// Through the shell: where the program asks for administrator rights, the
// consent prompt comes up in front of the program's active window.
std::optional<StartFailure> StartThroughShell(const std::string& program,
                                              const std::string& parameters,
                                              ShowState show);
std::optional<StartFailure> OpenWithAssociatedProgram(const std::string& path, ShowState show);
// The system's "Open with" dialog, which opens the document with the program
// the user picks; false where Windows has none (XP) or it failed.
bool OfferOpenWith(const std::string& path);

// The full path of a system program in the system folder.
std::wstring SystemProgramPath(SystemProgram program);

// A system error in German words: our own for the errors a menu on a medium
// meets, else the system's German text, else "Windows-Fehler N".
std::string FailureReason(DWORD error);

}  // namespace startart::win32
