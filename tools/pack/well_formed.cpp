#include "pack/well_formed.h"

#include "config/record_codec.h"

namespace startart::pack {

std::vector<std::string> WellFormednessProblems(std::span<const unsigned char> bytes, const SettingsFile& decoded) {
    std::vector<std::string> problems;
    if (bytes.size() != kSettingsFileLength) {
        problems.push_back("die Datei ist " + std::to_string(bytes.size()) + " Byte lang statt " +
                           std::to_string(kSettingsFileLength));
    }
    const std::vector<unsigned char> packed = EncodeSettingsFile(decoded);
    ForEachRecord(decoded, [&](int number, const auto& record) {
        const std::size_t start = static_cast<std::size_t>(number - 1) * kRecordLength;
        // Bytes past the end of a short file read as zeros, as the menu reads them.
        const auto read = [&](std::size_t offset) -> unsigned char {
            return start + offset < bytes.size() ? bytes[start + offset] : 0;
        };
        const std::string where = "Datensatz " + std::to_string(number) + " (" + RecordName(number) + ")";
        const std::vector<FieldExtent> extents = FieldExtents(record);
        // Decoding keeps every byte of texts, numbers and colours; only a flag
        // other than 0 or -1 reads as true and comes back as -1.
        for (const FieldExtent& extent : extents) {
            for (std::size_t offset = extent.offset; offset < extent.end(); ++offset) {
                if (read(offset) != packed[start + offset]) {
                    const auto value = static_cast<Int16>(read(extent.offset) | read(extent.offset + 1) << 8);
                    problems.push_back(where + ", Feld '" + extent.field + "': Wert " + std::to_string(value) +
                                       " ist weder 0 noch -1 und wird als -1 geschrieben");
                    break;
                }
            }
        }
        for (std::size_t offset = extents.back().end(); offset < kRecordLength; ++offset) {
            if (read(offset) != 0) {
                problems.push_back(where + ": die unbenutzten Bytes hinter dem letzten Feld (ab Byte " +
                                   std::to_string(extents.back().end()) +
                                   ") sind nicht alle null; pack schreibt dort "
                                   "Nullen");
                break;
            }
        }
    });
    return problems;
}

}  // namespace startart::pack
