// The text form of st.art that publishers write and read: one section per
// record ([MenuSettings], [InfoSettings], [ReaderSetup], [ButtonEntry 0] to
// [ButtonEntry 14]) and one `name = value` line per field, named as the
// fields are. Lines starting with ';' or '#' and blank lines are ignored; a
// missing section or field means an empty text, zero or false.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "config/settings.h"

namespace startart::pack {

// Input that cannot become st.art. The message names the file and the line,
// and the field where there is one, in German.
class TextFormError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Every field of every record, so that packing the text gives the same file.
std::string PrintTextForm(const SettingsFile& file);

// `fileName` names the input in messages. Throws TextFormError.
SettingsFile ParseTextForm(std::string_view text, const std::string& fileName);

// The 2304 bytes of st.art. Throws TextFormError, also for a record whose
// fields need more than its 128 bytes. Text that packs but looks meant
// otherwise (a comment at the end of a value) gives a warning in
// `warnings`, naming file, line and field.
std::vector<unsigned char> PackTextForm(std::string_view text,
                                        const std::string& fileName,
                                        std::vector<std::string>* warnings = nullptr);

}  // namespace startart::pack
