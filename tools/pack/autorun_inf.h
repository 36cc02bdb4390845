// autorun.inf, which Windows reads from the root of a medium: the program
// that AutoPlay offers for a disc, and the drive's icon and label.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace startart::pack {

inline constexpr const char* kAutorunFileName = "autorun.inf";

// The file that init writes: [autorun] with open= the menu, icon= and
// label=. UTF-16 LE with its byte order mark and CRLF, so that the label
// keeps its umlauts whatever the code page of the Windows that reads it.
std::vector<unsigned char> FormatAutorunInf(const std::string& icon, const std::string& label);

struct AutorunEntries {
    std::optional<std::string> open;
    std::optional<std::string> icon;
    std::optional<std::string> label;
};

// The keys of the [autorun] section, whose names, like the section's, may be
// written in any case. The file may be UTF-16 LE or UTF-8, each with its
// byte order mark, or else Windows-1252.
AutorunEntries ParseAutorunInf(std::span<const unsigned char> file);

}  // namespace startart::pack
