// The program directory as the settings' file names are appended to it: the
// directory of the running program, ending in a backslash.
#pragma once

#include <string>

namespace startart {

// A drive root ("D:\") already ends in a backslash and stays as it is; any
// longer directory gets one appended.
std::string ProgramDirectory(const std::string& executableDirectory);

}  // namespace startart
