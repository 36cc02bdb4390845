// A program of its own process that is to end with a message box: run from a
// test folder, its box found, read and answered, its exit status taken. The
// process is ended should anything hang.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>

#include "test_files.h"

namespace startart::win32::testing {

struct AnsweredProgram {
    std::string text = "(no message box)";
    std::string caption;
    // Windows of the program that were visible while the box showed, the box
    // included.
    int visibleWindows = 0;
    DWORD status = 0;
};

// Copies the program into the folder under its own name and runs it there.
AnsweredProgram RunAndAnswer(const TempFolder& folder, const std::filesystem::path& program);

}  // namespace startart::win32::testing
