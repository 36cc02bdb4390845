// Finding a file of a medium the way Windows finds it from the menu: names
// from the settings are appended to the menu's folder, backslashes separate
// folders, and case does not matter (media are FAT or ISO 9660). On Linux the
// folders are searched name by name.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace startart::pack {

// The menu's program, which lies beside st.art in the root of the medium.
inline constexpr const char* kMenuProgramName = "startart.exe";

// Texts are UTF-8 throughout; on Windows a path holds UTF-16.
std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string Utf8FromPath(const std::filesystem::path& path);

// Whether two texts are the same but for case, as names on a medium and the
// keys of Windows' .inf files compare.
bool SameIgnoringCase(std::string_view a, std::string_view b);

// The regular file that `relative` names below `medium`; nullopt when there
// is none.
std::optional<std::filesystem::path> FindOnMedium(const std::filesystem::path& medium, std::string_view relative);

}  // namespace startart::pack
