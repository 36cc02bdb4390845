// The command line of startart-pack: init, unpack, pack and check. Arguments
// and output are UTF-8; the platform's main converts at its edge.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace startart::pack {

inline constexpr int kExitOk = 0;
inline constexpr int kExitProblems = 1;
inline constexpr int kExitUsage = 2;

// `args` without the program name. `toolFolder` is the folder of the running
// tool, where init finds the menu to copy. Results go to `out`, messages to
// `err`.
int RunPackTool(const std::vector<std::string>& args,
                const std::filesystem::path& toolFolder,
                std::ostream& out,
                std::ostream& err);

}  // namespace startart::pack
