// Starting programs and opening documents for the user, without waiting for
// them. A start that fails tells why in German and whether the program
// itself is missing.
// Needs: kernel32, shell32.
#pragma once

#include <optional>
#include <string>

#include "toolkit/platform.h"

namespace startart::win32 {

std::optional<StartFailure> StartCommandLine(const std::string& commandLine, ShowState show);
std::optional<StartFailure> OpenWithAssociatedProgram(const std::string& path, ShowState show);

}  // namespace startart::win32
