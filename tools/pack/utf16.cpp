#include "pack/utf16.h"

#include "basic/windows1252.h"

namespace startart::pack {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUnit(std::vector<unsigned char>& out, char32_t unit) {
    out.push_back(static_cast<unsigned char>(unit & 0xFF));
    out.push_back(static_cast<unsigned char>(unit >> 8));
}

}  // namespace

std::vector<unsigned char> Utf16LeFromUtf8(std::string_view utf8) {
    std::vector<unsigned char> out;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t cp = NextUtf8CodePoint(utf8, pos).value_or(kReplacement);
        if (cp >= 0x10000) {
            AppendUnit(out, 0xD800 + ((cp - 0x10000) >> 10));
            AppendUnit(out, 0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            AppendUnit(out, cp);
        }
    }
    return out;
}

std::string Utf8FromUtf16Le(std::span<const unsigned char> bytes) {
    std::string out;
    const auto unit = [&](std::size_t i) -> char32_t { return bytes[2 * i] | bytes[2 * i + 1] << 8; };
    const std::size_t units = bytes.size() / 2;
    for (std::size_t i = 0; i < units; ++i) {
        const char32_t first = unit(i);
        if (first >= 0xD800 && first <= 0xDBFF && i + 1 < units && unit(i + 1) >= 0xDC00 && unit(i + 1) <= 0xDFFF) {
            AppendUtf8(out, 0x10000 + ((first - 0xD800) << 10) + (unit(i + 1) - 0xDC00));
            ++i;
        } else {
            AppendUtf8(out, first >= 0xD800 && first <= 0xDFFF ? kReplacement : first);
        }
    }
    if (bytes.size() % 2 != 0) {
        AppendUtf8(out, kReplacement);
    }
    return out;
}

std::size_t Utf16Length(std::string_view utf8) {
    return Utf16LeFromUtf8(utf8).size() / 2;
}

}  // namespace startart::pack
