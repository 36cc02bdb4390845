// Any text as a publisher's text form. Packing either refuses with a message
// that names the file and the line, or gives a whole st.art that decodes to
// exactly what the text says (no character quietly becomes another); and
// that file unpacks and packs again to the same bytes, as the tool promises
// for every file it writes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "config/record_codec.h"
#include "pack/text_form.h"
#include "property_failed.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace startart;
    const std::string fileName = "fuzz.ini";
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<unsigned char> packed;
    try {
        packed = pack::PackTextForm(text, fileName);
    } catch (const pack::TextFormError& error) {
        if (!std::string_view(error.what()).starts_with(fileName + ":")) {
            fuzz::PropertyFailed(std::string("refused without naming the file and the line: ") + error.what());
        }
        return 0;
    }
    if (packed.size() != kSettingsFileLength) {
        fuzz::PropertyFailed("packed " + std::to_string(packed.size()) + " bytes instead of 2304");
    }
    SettingsFile decoded;
    try {
        decoded = DecodeSettingsFile(packed);
    } catch (const RecordError& error) {
        fuzz::PropertyFailed(std::string("the packed file does not decode: ") + error.what());
    }
    if (decoded != pack::ParseTextForm(text, fileName)) {
        fuzz::PropertyFailed("the packed file holds other settings than the text");
    }
    if (pack::PackTextForm(pack::PrintTextForm(decoded), fileName) != packed) {
        fuzz::PropertyFailed("unpacking and packing again changes the packed file");
    }
    return 0;
}
