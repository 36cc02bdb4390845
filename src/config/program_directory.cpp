#include "config/program_directory.h"

namespace startart {

std::string ProgramDirectory(const std::string& executableDirectory) {
    return executableDirectory.size() > 3 ? executableDirectory + "\\" : executableDirectory;
}

}  // namespace startart
