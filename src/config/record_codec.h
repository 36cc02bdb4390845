// The byte layout of st.art: 18 records of 128 bytes, fields packed one after
// another (strings as a 16-bit count and Windows-1252 bytes, 16-bit integers
// and booleans little-endian, colours as three bytes).
#pragma once

#include <cstddef>
#include <exception>
#include <span>
#include <string>
#include <vector>

#include "config/settings.h"

namespace startart {

// Beside the menu, in the program's own folder.
inline constexpr const char* kSettingsFileName = "st.art";
inline constexpr std::size_t kRecordLength = 128;
inline constexpr std::size_t kSettingsFileLength = kRecordLength * kRecordCount;

// A record that cannot be decoded or encoded: its fields reach past the
// record's 128 bytes, or (encoding only) a text holds a character that
// Windows-1252 cannot store.
class RecordError : public std::exception {
  public:
    enum class Kind { kOverflow, kUnencodableText };

    RecordError(Kind kind, int record, std::string field, std::size_t bytesOver);

    Kind kind() const { return kind_; }
    int record() const { return record_; }
    const std::string& field() const { return field_; }
    std::size_t bytesOver() const { return bytesOver_; }
    const char* what() const noexcept override { return message_.c_str(); }

  private:
    Kind kind_;
    int record_;
    std::string field_;
    std::size_t bytesOver_;
    std::string message_;
};

// The name of a record's type, for messages: "MenuSettings", "ButtonEntry 3", ...
std::string RecordName(int record);

// Bytes missing at the end of the file read as zeros, as record-file access
// reads them: empty strings and zero numbers. Throws RecordError.
SettingsFile DecodeSettingsFile(std::span<const unsigned char> bytes);

// Always all 18 records, 2304 bytes, unused bytes zero. Throws RecordError.
std::vector<unsigned char> EncodeSettingsFile(const SettingsFile& file);

// Where a field of a record lies once encoded, in bytes from the record's start.
struct FieldExtent {
    const char* field;
    std::size_t offset;
    std::size_t length;

    std::size_t end() const { return offset + length; }
};

// Every field of the record in file order, laid out as EncodeSettingsFile
// lays it out; the last ones may end past the record's 128 bytes. Throws
// RecordError for a text that Windows-1252 cannot store.
std::vector<FieldExtent> FieldExtents(const MenuSettings& record);
std::vector<FieldExtent> FieldExtents(const InfoSettings& record);
std::vector<FieldExtent> FieldExtents(const ReaderSetup& record);
std::vector<FieldExtent> FieldExtents(const ButtonEntry& record);

}  // namespace startart
