#include "start/start_or_report.h"

#include "toolkit/command_line.h"

namespace startart {

std::string StartFailureMessage(const std::string& commandLine, const StartFailure& failure) {
    return "Der Befehl '" + commandLine + "' konnte nicht ausgeführt werden:\r\n" + failure.reason;
}

std::optional<StartFailure> StartCommand(Platform& platform,
                                         const std::string& commandLine,
                                         ShowState show,
                                         SystemProgram program) {
    auto failure = platform.StartProcess(commandLine, show, program);
    if (failure && failure->kind == StartFailure::Kind::kElevationRequired) {
        const CommandLineParts split = SplitCommandLine(commandLine);
        failure = platform.StartThroughShell(split.program, split.parameters, show);
    }
    return failure;
}

void ReportStartFailure(Platform& platform, const std::string& commandLine, const StartFailure& failure) {
    if (failure.kind != StartFailure::Kind::kCancelled) {
        MsgBox(platform, StartFailureMessage(commandLine, failure));
    }
}

void StartOrReport(Platform& platform, const std::string& commandLine, ShowState show, SystemProgram program) {
    if (const auto failure = StartCommand(platform, commandLine, show, program)) {
        ReportStartFailure(platform, commandLine, *failure);
    }
}

void OpenDocumentOrReport(Platform& platform,
                          const std::string& commandLine,
                          SystemProgram program,
                          const std::string& document) {
    auto failure = StartCommand(platform, commandLine, ShowState::kNormal, program);
    if (failure && failure->kind == StartFailure::Kind::kProgramMissing) {
        // The association's reason is the one the user can act on.
        failure = platform.OpenDocument(document, ShowState::kNormal);
        if (failure && failure->kind == StartFailure::Kind::kNoAssociation && platform.OfferOpenWith(document)) {
            failure.reset();
        }
    }
    if (failure) {
        ReportStartFailure(platform, commandLine, *failure);
    }
}

void OpenWebAddressOrReport(Platform& platform, const std::string& address) {
    if (const auto failure = platform.OpenDocument(address, ShowState::kNormal)) {
        ReportStartFailure(platform, "explorer " + address, *failure);
    }
}

}  // namespace startart
