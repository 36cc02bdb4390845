// Where each field of a record lies once encoded: for messages that name the
// field at a byte offset, and for saying by how much a record is too long.
// The lengths follow the field encodings of record_codec: a string is its
// 16-bit count and its Windows-1252 bytes, numbers and flags two bytes, a
// colour three.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "basic/windows1252.h"
#include "config/settings.h"

namespace startart::pack {

struct FieldExtent {
    const char* field;
    std::size_t offset;
    std::size_t length;

    std::size_t end() const { return offset + length; }
};

inline std::size_t EncodedLength(const std::string& text) {
    return 2 + EncodeWindows1252(text).value_or(text).size();
}
inline std::size_t EncodedLength(Int16) {
    return 2;
}
inline std::size_t EncodedLength(bool) {
    return 2;
}
inline std::size_t EncodedLength(const Colour&) {
    return 3;
}

// In file order; the last extent may end past the record's 128 bytes.
template <class Record>
std::vector<FieldExtent> FieldExtents(const Record& record) {
    std::vector<FieldExtent> extents;
    std::size_t offset = 0;
    ForEachField(record, [&](const char* field, const auto& value) {
        extents.push_back({field, offset, EncodedLength(value)});
        offset = extents.back().end();
    });
    return extents;
}

}  // namespace startart::pack
