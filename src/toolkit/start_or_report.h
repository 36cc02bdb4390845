// Starting a command line for the user. A start that fails is reported in a
// message box that names the command line and the system's reason; the menu
// stays open and usable.
#pragma once

#include <string>

#include "toolkit/platform.h"

namespace startart {

// "Der Befehl '<command line>' konnte nicht ausgeführt werden:" CRLF reason
std::string StartFailureMessage(const std::string& commandLine, const StartFailure& failure);

// True when the process started.
bool StartOrReport(Platform& platform, const std::string& commandLine, ShowState show);

}  // namespace startart
