// Whether a settings file comes back byte for byte when it is unpacked and
// packed again: exactly 2304 bytes, every record decodes, every flag 0 or -1,
// and the bytes after the last field of each record zero. The menu reads
// other files too; only their exact bytes cannot survive the text form.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "config/settings.h"

namespace startart::pack {

// One German sentence per deviation; empty for a well-formed file. `decoded`
// is what DecodeSettingsFile made of `bytes`.
std::vector<std::string> WellFormednessProblems(std::span<const unsigned char> bytes, const SettingsFile& decoded);

}  // namespace startart::pack
