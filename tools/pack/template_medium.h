// The template medium that `startart-pack init` writes: a publisher's
// starting point that check passes, to be edited, packed and burnt.
#pragma once

#include <filesystem>
#include <stdexcept>

namespace startart::pack {

// A folder that init cannot write into. The message says why, in German.
class InitError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Writes the template's files, st.art packed from its medium.ini and an
// autorun.inf for those settings into `folder`, which must be empty or
// missing, and copies startart.exe from `menuFolder`, where the release keeps
// it beside the tool. Returns false when there was no menu to copy. Throws
// InitError.
bool WriteTemplateMedium(const std::filesystem::path& folder, const std::filesystem::path& menuFolder);

}  // namespace startart::pack
