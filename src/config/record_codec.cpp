#include "config/record_codec.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "basic/windows1252.h"

namespace startart {
namespace {

using Record = std::array<unsigned char, kRecordLength>;

class RecordDecoder {
  public:
    RecordDecoder(const Record& bytes, int record) : bytes_(bytes), record_(record) {}

    void operator()(const char* field, std::string& text) {
        const std::uint16_t count = Read16(field);
        const std::size_t start = Reserve(field, count);
        text = DecodeWindows1252(std::string_view(reinterpret_cast<const char*>(bytes_.data()) + start, count));
    }
    void operator()(const char* field, Int16& value) { value = static_cast<Int16>(Read16(field)); }
    void operator()(const char* field, bool& value) { value = Read16(field) != 0; }
    void operator()(const char* field, Colour& colour) {
        const std::size_t at = Reserve(field, 3);
        colour = Colour{bytes_[at], bytes_[at + 1], bytes_[at + 2]};
    }

  private:
    // Claims n bytes of the record and returns where they start.
    std::size_t Reserve(const char* field, std::size_t n) {
        if (pos_ + n > kRecordLength) {
            throw RecordError(RecordError::Kind::kOverflow, record_, field, pos_ + n - kRecordLength);
        }
        const std::size_t start = pos_;
        pos_ += n;
        return start;
    }
    std::uint16_t Read16(const char* field) {
        const std::size_t at = Reserve(field, 2);
        return static_cast<std::uint16_t>(bytes_[at] | (bytes_[at + 1] << 8));
    }

    const Record& bytes_;
    int record_;
    std::size_t pos_ = 0;
};

// Lays the fields out one after another without the record's bound, so that
// a record too long can say by how much; EncodeRecord applies the bound.
class RecordEncoder {
  public:
    explicit RecordEncoder(int record) : record_(record) {}

    void operator()(const char* field, const std::string& text) {
        const auto bytes = EncodeWindows1252(text);
        if (!bytes) {
            throw RecordError(RecordError::Kind::kUnencodableText, record_, field, 0);
        }
        // A count above 65535 cannot fit a record anyway; the bound reports it.
        std::string encoded = Le16(static_cast<std::uint16_t>(bytes->size()));
        Append(field, encoded + *bytes);
    }
    void operator()(const char* field, const Int16& value) { Append(field, Le16(static_cast<std::uint16_t>(value))); }
    void operator()(const char* field, const bool& value) { Append(field, Le16(value ? 0xFFFF : 0)); }
    void operator()(const char* field, const Colour& colour) {
        Append(field, std::string{static_cast<char>(colour.rot), static_cast<char>(colour.gruen),
                                  static_cast<char>(colour.blau)});
    }

    const std::string& bytes() const { return out_; }
    const std::vector<FieldExtent>& extents() const { return extents_; }

  private:
    static std::string Le16(std::uint16_t value) {
        return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
    }
    void Append(const char* field, const std::string& bytes) {
        extents_.push_back({field, out_.size(), bytes.size()});
        out_ += bytes;
    }

    int record_;
    std::string out_;
    std::vector<FieldExtent> extents_;
};

template <class Record>
RecordEncoder EncodeFields(const Record& record, int number) {
    RecordEncoder encoder(number);
    ForEachField(record, encoder);
    return encoder;
}

// The record's bytes, unpadded; the first field that reaches past the 128
// bytes is the one reported.
template <class Record>
std::string EncodeRecord(const Record& record, int number) {
    const RecordEncoder encoder = EncodeFields(record, number);
    for (const FieldExtent& extent : encoder.extents()) {
        if (extent.end() > kRecordLength) {
            throw RecordError(RecordError::Kind::kOverflow, number, extent.field, extent.end() - kRecordLength);
        }
    }
    return encoder.bytes();
}

// Extents do not depend on the record's number; it only names the record in
// an error about a text.
constexpr int kAnyRecord = 1;

std::string MessageFor(RecordError::Kind kind, int record, const std::string& field, std::size_t bytesOver) {
    const std::string where =
        "Datensatz " + std::to_string(record) + " (" + RecordName(record) + "), Feld '" + field + "'";
    if (kind == RecordError::Kind::kUnencodableText) {
        return where + ": Zeichen, die Windows-1252 nicht darstellen kann";
    }
    return where + ": " + std::to_string(bytesOver) + " Byte über das Ende der 128 Byte des Datensatzes";
}

}  // namespace

RecordError::RecordError(Kind kind, int record, std::string field, std::size_t bytesOver)
    : kind_(kind),
      record_(record),
      field_(std::move(field)),
      bytesOver_(bytesOver),
      message_(MessageFor(kind, record, field_, bytesOver)) {}

std::string RecordName(int record) {
    switch (record) {
        case 1:
            return "MenuSettings";
        case 2:
            return "InfoSettings";
        case 3:
            return "ReaderSetup";
        default:
            return "ButtonEntry " + std::to_string(record - kFirstButtonRecord);
    }
}

SettingsFile DecodeSettingsFile(std::span<const unsigned char> bytes) {
    SettingsFile file;
    ForEachRecord(file, [&](int number, auto& record) {
        Record raw{};
        const std::size_t offset = static_cast<std::size_t>(number - 1) * kRecordLength;
        if (offset < bytes.size()) {
            const std::size_t available = std::min(kRecordLength, bytes.size() - offset);
            std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(offset), available, raw.begin());
        }
        ForEachField(record, RecordDecoder(raw, number));
    });
    return file;
}

std::vector<unsigned char> EncodeSettingsFile(const SettingsFile& file) {
    std::vector<unsigned char> out;
    out.reserve(kSettingsFileLength);
    ForEachRecord(file, [&](int number, const auto& record) {
        const std::string bytes = EncodeRecord(record, number);
        out.insert(out.end(), bytes.begin(), bytes.end());
        out.resize(static_cast<std::size_t>(number) * kRecordLength, 0);
    });
    return out;
}

std::vector<FieldExtent> FieldExtents(const MenuSettings& record) {
    return EncodeFields(record, kAnyRecord).extents();
}
std::vector<FieldExtent> FieldExtents(const InfoSettings& record) {
    return EncodeFields(record, kAnyRecord).extents();
}
std::vector<FieldExtent> FieldExtents(const ReaderSetup& record) {
    return EncodeFields(record, kAnyRecord).extents();
}
std::vector<FieldExtent> FieldExtents(const ButtonEntry& record) {
    return EncodeFields(record, kAnyRecord).extents();
}

}  // namespace startart
