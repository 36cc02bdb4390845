#include "toolkit/command_line.h"

namespace startart {
namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view SkipBlanks(std::string_view text) {
    const std::size_t start = text.find_first_not_of(kBlanks);
    return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

}  // namespace

CommandLineParts SplitCommandLine(std::string_view commandLine) {
    commandLine = SkipBlanks(commandLine);
    const bool quoted = commandLine.starts_with('"');
    const std::size_t start = quoted ? 1 : 0;
    const std::size_t end = quoted ? commandLine.find('"', 1) : commandLine.find_first_of(kBlanks);
    if (end == std::string_view::npos) {
        return {std::string(commandLine.substr(start)), ""};
    }
    const std::size_t rest = quoted ? end + 1 : end;
    return {std::string(commandLine.substr(start, end - start)), std::string(SkipBlanks(commandLine.substr(rest)))};
}

}  // namespace startart
