// Whole files in and out. A file is either written completely or not at all:
// a publisher's st.art must never be left half-written by a failed run.
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace startart::pack {

// nullopt when the file cannot be opened or read.
std::optional<std::vector<unsigned char>> ReadFileBytes(const std::filesystem::path& path);

// Writes a temporary file beside `path` and renames it over `path`; on failure
// the temporary file is removed and an existing `path` stays as it was.
bool WriteFileReplacing(const std::filesystem::path& path, std::span<const unsigned char> bytes);

}  // namespace startart::pack
