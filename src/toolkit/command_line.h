// How Windows splits a command line into the program it starts and that
// program's parameters.
#pragma once

#include <string>
#include <string_view>

namespace startart {

struct CommandLineParts {
    std::string program;
    std::string parameters;

    bool operator==(const CommandLineParts&) const = default;
};

// The program is the first token: either in double quotes (up to the next
// one, or to the end when there is none), or up to the first blank. The
// parameters are the rest, without the blanks that separate them from it.
CommandLineParts SplitCommandLine(std::string_view commandLine);

}  // namespace startart
