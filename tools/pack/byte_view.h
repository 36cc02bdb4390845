// Little- and big-endian fields of a file's bytes, read with every offset
// checked: the headers that the tool reads come from files it did not
// write, and a field past the end means the file is broken, never a read
// outside the buffer.
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <string_view>

namespace startart::pack {

// A read past the end of the bytes, or a structure that does not hold.
struct BrokenFile {};

class ByteView {
  public:
    explicit ByteView(std::span<const unsigned char> bytes) : bytes_(bytes) {}

    void Need(std::uint64_t at, std::uint64_t count) const {
        if (at > bytes_.size() || count > bytes_.size() - at) {
            throw BrokenFile{};
        }
    }
    std::span<const unsigned char> Bytes(std::uint64_t at, std::uint64_t count) const {
        Need(at, count);
        return bytes_.subspan(at, count);
    }
    bool Matches(std::uint64_t at, std::string_view signature) const {
        return at <= bytes_.size() && signature.size() <= bytes_.size() - at &&
               std::equal(signature.begin(), signature.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(at),
                          [](char s, unsigned char b) { return static_cast<unsigned char>(s) == b; });
    }
    std::uint8_t U8(std::uint64_t at) const { return Bytes(at, 1)[0]; }
    std::uint16_t Le16(std::uint64_t at) const { return static_cast<std::uint16_t>(U8(at) | U8(at + 1) << 8); }
    std::uint16_t Be16(std::uint64_t at) const { return static_cast<std::uint16_t>(U8(at) << 8 | U8(at + 1)); }
    std::uint32_t Le32(std::uint64_t at) const { return Le16(at) | static_cast<std::uint32_t>(Le16(at + 2)) << 16; }
    std::uint32_t Be32(std::uint64_t at) const { return static_cast<std::uint32_t>(Be16(at)) << 16 | Be16(at + 2); }
    // Whether the two bytes occur anywhere from `from` on.
    bool Contains(std::uint64_t from, std::string_view pair) const {
        if (from >= bytes_.size()) {
            return false;
        }
        const auto rest = bytes_.subspan(from);
        return std::search(rest.begin(), rest.end(), pair.begin(), pair.end(),
                           [](unsigned char b, char p) { return b == static_cast<unsigned char>(p); }) != rest.end();
    }

  private:
    std::span<const unsigned char> bytes_;
};

}  // namespace startart::pack
