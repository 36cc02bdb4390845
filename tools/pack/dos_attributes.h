// The hidden and system attributes of a file, where its file system keeps
// them (FAT, exFAT and NTFS on Windows; FAT on Linux). The rest of the tool
// stays portable: this is its one call into the platform.
#pragma once

#include <filesystem>
#include <optional>

namespace startart::pack {

struct DosAttributes {
    bool hidden = false;
    bool system = false;
};

// nullopt where the file system keeps no such attributes, this platform
// cannot read them cheaply, or the file cannot be asked.
std::optional<DosAttributes> ReadDosAttributes(const std::filesystem::path& file);

}  // namespace startart::pack
