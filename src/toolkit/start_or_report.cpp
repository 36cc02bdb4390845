#include "toolkit/start_or_report.h"

#include <algorithm>

namespace startart {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string WithoutLeadingBlanks(const std::string& text, std::size_t from) {
    while (from < text.size() && IsBlank(text[from])) {
        ++from;
    }
    return text.substr(std::min(from, text.size()));
}

}  // namespace

SplitCommand SplitCommandLine(const std::string& commandLine) {
    const std::string line = WithoutLeadingBlanks(commandLine, 0);
    if (line.starts_with('"')) {
        const auto closing = line.find('"', 1);
        if (closing == std::string::npos) {
            return SplitCommand{line.substr(1), ""};
        }
        return SplitCommand{line.substr(1, closing - 1), WithoutLeadingBlanks(line, closing + 1)};
    }
    const auto blank = line.find_first_of(" \t");
    if (blank == std::string::npos) {
        return SplitCommand{line, ""};
    }
    return SplitCommand{line.substr(0, blank), WithoutLeadingBlanks(line, blank)};
}

std::string StartFailureMessage(const std::string& commandLine, const StartFailure& failure) {
    return "Der Befehl '" + commandLine + "' konnte nicht ausgeführt werden:\r\n" + failure.reason;
}

std::optional<StartFailure> StartCommand(Platform& platform,
                                         const std::string& commandLine,
                                         ShowState show,
                                         SystemProgram program) {
    auto failure = platform.StartProcess(commandLine, show, program);
    if (failure && failure->kind == StartFailure::Kind::kElevationRequired) {
        const SplitCommand split = SplitCommandLine(commandLine);
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

}  // namespace startart
