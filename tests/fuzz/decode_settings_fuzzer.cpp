// Any bytes as st.art, as a medium may carry them. Whatever decodes must
// encode, and the encoded file must decode to the same settings: otherwise
// the authoring tool would change a medium it only meant to rewrite.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "config/record_codec.h"
#include "property_failed.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace startart;
    SettingsFile decoded;
    try {
        decoded = DecodeSettingsFile(std::span(data, size));
    } catch (const RecordError& error) {
        if (error.kind() != RecordError::Kind::kOverflow) {
            fuzz::PropertyFailed(std::string("decoding refused for another reason than overflow: ") + error.what());
        }
        return 0;
    }
    const std::vector<unsigned char> encoded = EncodeSettingsFile(decoded);
    if (encoded.size() != kSettingsFileLength) {
        fuzz::PropertyFailed("encoded " + std::to_string(encoded.size()) + " bytes instead of 2304");
    }
    if (DecodeSettingsFile(encoded) != decoded) {
        fuzz::PropertyFailed("the encoded file decodes to other settings");
    }
    return 0;
}
