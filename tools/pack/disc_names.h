// The names of a medium's files and folders, against what a disc's Joliet
// file system holds: at most 64 characters, and none of the characters that
// Windows does not allow in a name either.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace startart::pack {

inline constexpr std::size_t kMaxDiscNameLength = 64;

// One German sentence per name that a disc cannot hold, with the name's
// path below the medium.
std::vector<std::string> DiscNameProblems(const std::filesystem::path& medium);

}  // namespace startart::pack
