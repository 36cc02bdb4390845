// Ending the program. Core code that ends the program throws ProgramEnd, which
// unwinds to the event barrier without running any more handler code; the
// barrier then asks the platform to quit with the carried status.
#pragma once

namespace startart {

enum class ExitStatus : int {
    kNormal = 0,
    kRuntimeError = 1,
    kSettingsUnreadable = 2,
};

struct ProgramEnd {
    ExitStatus status;
};

[[noreturn]] void EndProgram(ExitStatus status = ExitStatus::kNormal);

}  // namespace startart
