// Starting a command line for the user. A program that asks for
// administrator rights is started again through the shell, whose consent
// prompt can give them. A start that fails is reported in a message box that
// names the command line and the system's reason, unless the user declined
// the consent prompt; either way the menu stays open and usable.
#pragma once

#include <optional>
#include <string>

#include "toolkit/platform.h"

namespace startart {

// "Der Befehl '<command line>' konnte nicht ausgeführt werden:" CRLF reason
std::string StartFailureMessage(const std::string& commandLine, const StartFailure& failure);

// nullopt when the process started, through the shell or not.
std::optional<StartFailure> StartCommand(Platform& platform,
                                         const std::string& commandLine,
                                         ShowState show,
                                         SystemProgram program);

// The message for a start that failed; nothing when the user declined.
void ReportStartFailure(Platform& platform, const std::string& commandLine, const StartFailure& failure);

void StartOrReport(Platform& platform,
                   const std::string& commandLine,
                   ShowState show,
                   SystemProgram program = SystemProgram::kNone);

}  // namespace startart
