#include "toolkit/start_or_report.h"

namespace startart {

std::string StartFailureMessage(const std::string& commandLine, const StartFailure& failure) {
    return "Der Befehl '" + commandLine + "' konnte nicht ausgeführt werden:\r\n" + failure.reason;
}

bool StartOrReport(Platform& platform, const std::string& commandLine, ShowState show) {
    const auto failure = platform.StartProcess(commandLine, show);
    if (failure) {
        MsgBox(platform, StartFailureMessage(commandLine, *failure));
    }
    return !failure;
}

}  // namespace startart
