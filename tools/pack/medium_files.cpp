#include "pack/medium_files.h"

#include <system_error>

namespace startart::pack {
namespace {

// ASCII letters and the accented capitals of Latin-1 (the umlauts among
// them) compare as their small letters, as on FAT and ISO 9660 media.
std::string FoldCase(std::string_view utf8) {
    std::string folded(utf8);
    for (std::size_t i = 0; i < folded.size(); ++i) {
        const auto byte = static_cast<unsigned char>(folded[i]);
        if (byte >= 'A' && byte <= 'Z') {
            folded[i] = static_cast<char>(byte + 32);
        } else if (byte == 0xC3 && i + 1 < folded.size()) {
            const auto next = static_cast<unsigned char>(folded[i + 1]);
            // U+00C0..U+00DE except the multiplication sign U+00D7.
            if (next >= 0x80 && next <= 0x9E && next != 0x97) {
                folded[i + 1] = static_cast<char>(next + 0x20);
            }
            ++i;
        }
    }
    return folded;
}

std::optional<std::filesystem::path> FindEntry(const std::filesystem::path& directory, std::string_view name) {
    std::error_code error;
    std::filesystem::path exact = directory / PathFromUtf8(name);
    if (std::filesystem::exists(exact, error)) {
        return exact;
    }
    const std::string wanted = FoldCase(name);
    for (std::filesystem::directory_iterator entry(directory, error), end; !error && entry != end;
         entry.increment(error)) {
        if (FoldCase(Utf8FromPath(entry->path().filename())) == wanted) {
            return entry->path();
        }
    }
    return std::nullopt;
}

}  // namespace

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return FoldCase(a) == FoldCase(b);
}

std::filesystem::path PathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8FromPath(const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
}

std::optional<std::filesystem::path> FindOnMedium(const std::filesystem::path& medium, std::string_view relative) {
    std::filesystem::path found = medium;
    bool named = false;
    while (!relative.empty()) {
        const std::size_t separator = relative.find_first_of("\\/");
        const std::string_view name = relative.substr(0, separator);
        relative.remove_prefix(separator == std::string_view::npos ? relative.size() : separator + 1);
        // Windows reads doubled separators as one.
        if (name.empty()) {
            continue;
        }
        auto next = FindEntry(found, name);
        if (!next) {
            return std::nullopt;
        }
        found = std::move(*next);
        named = true;
    }
    std::error_code error;
    if (!named || !std::filesystem::is_regular_file(found, error)) {
        return std::nullopt;
    }
    return found;
}

}  // namespace startart::pack
