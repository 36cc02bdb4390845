// Faults of the processor (an access violation, a division by zero, an
// illegal instruction, a stack overflow) end the program as a run-time error
// does: with its report, captioned with the program's title, and exit
// status 1. Left to Windows, a fault inside a window procedure that the
// kernel called in a 32-bit program is swallowed on 64-bit Windows and the
// window stays black; elsewhere the system's crash dialog appears.
// Needs: kernel32, user32.
#pragma once

namespace startart::win32 {

// Call first thing in the program, before any window exists. The reports
// are made here, while the heap is still sound.
void ReportFaultsAsRuntimeErrors();

}  // namespace startart::win32
