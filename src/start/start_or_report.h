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

// A document that one of Windows' own programs opens by its command line.
// Newer Windows may lack the program (WordPad is gone, Notepad can be
// removed): the document then opens with the program associated with its
// type, and where there is none, with the one the user picks in the system's
// "Open with" dialog, as a double click in Explorer would. Only a failure of
// all that is reported, with the command line.
void OpenDocumentOrReport(Platform& platform,
                          const std::string& commandLine,
                          SystemProgram program,
                          const std::string& document);

// A web address, handed to the shell, which gives it to the browser whole.
// "explorer" with the address opens a folder window instead when the address
// has a query string. A failure is reported as that of "explorer" and the
// address, as the menu has always named it.
void OpenWebAddressOrReport(Platform& platform, const std::string& address);

}  // namespace startart
