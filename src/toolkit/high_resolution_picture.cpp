#include "toolkit/high_resolution_picture.h"

namespace startart {

std::string HighResolutionName(const std::string& name) {
    std::size_t cut = name.rfind('.');
    if (cut == std::string::npos || name.find_first_of("\\/", cut) != std::string::npos) {
        cut = name.size();
    }
    return std::string(name).insert(cut, "@2x");
}

}  // namespace startart
