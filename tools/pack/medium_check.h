// Checks a medium folder as the menu will see it on a 1024x768 screen: the
// settings decode, the pictures load and the button picture holds the chosen
// design, every visible button's target is there, and the window fits.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace startart::pack {

inline constexpr int kScreenWidthPixels = 1024;
inline constexpr int kScreenHeightPixels = 768;

// One German sentence per problem, in the order the menu would meet them;
// empty when the medium is fine.
std::vector<std::string> CheckMedium(const std::filesystem::path& medium);

}  // namespace startart::pack
