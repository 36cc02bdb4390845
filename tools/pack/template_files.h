// The files of the template medium (examples/vorlage), built into the tool.
#pragma once

#include <span>
#include <string_view>

namespace startart::pack {

struct TemplateFile {
    // Below the medium, with forward slashes.
    std::string_view path;
    std::span<const unsigned char> bytes;
};

std::span<const TemplateFile> TemplateFiles();

}  // namespace startart::pack
