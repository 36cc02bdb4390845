#include "toolkit/high_resolution_picture.h"

namespace startart {

std::string HighResolutionName(const std::string& name) {
    const std::size_t folder = name.find_last_of("\\/");
    const std::size_t dot = name.rfind('.');
    const bool hasExtension = dot != std::string::npos && (folder == std::string::npos || dot > folder);
    std::string result = name;
    result.insert(hasExtension ? dot : name.size(), "@2x");
    return result;
}

}  // namespace startart
