// Picture files built byte by byte for the tests, so each test shows the
// structure it relies on.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace startart::pack {

using Bytes = std::vector<unsigned char>;

struct Writer {
    Bytes bytes;
    Writer& Text(const std::string& text) {
        bytes.insert(bytes.end(), text.begin(), text.end());
        return *this;
    }
    Writer& U8(unsigned value) {
        bytes.push_back(static_cast<unsigned char>(value));
        return *this;
    }
    Writer& Le16(unsigned value) { return U8(value & 0xFF).U8(value >> 8 & 0xFF); }
    Writer& Le32(std::uint32_t value) { return Le16(value & 0xFFFF).Le16(value >> 16); }
    Writer& Be16(unsigned value) { return U8(value >> 8 & 0xFF).U8(value & 0xFF); }
    Writer& Zeros(std::size_t count) {
        bytes.resize(bytes.size() + count, 0);
        return *this;
    }
};

// A bitmap with the given DIB header size (12: OS/2 1.x core header) and
// `pixelBytes` of zeros as its pixels.
inline Bytes Bmp(std::uint32_t headerSize,
                 std::int32_t width,
                 std::int32_t height,
                 unsigned bits,
                 std::uint32_t compression,
                 std::size_t pixelBytes) {
    Writer w;
    w.Text("BM").Le32(0).Le32(0).Le32(14 + headerSize);
    if (headerSize == 12) {
        w.Le32(12).Le16(static_cast<unsigned>(width)).Le16(static_cast<unsigned>(height)).Le16(1).Le16(bits);
    } else {
        w.Le32(headerSize).Le32(static_cast<std::uint32_t>(width)).Le32(static_cast<std::uint32_t>(height));
        w.Le16(1).Le16(bits).Le32(compression).Le32(static_cast<std::uint32_t>(pixelBytes));
        w.Zeros(headerSize - 24);
    }
    return w.Zeros(pixelBytes).bytes;
}

// A plain 24-bit bitmap.
inline Bytes Bmp24(std::int32_t width, std::int32_t height) {
    const std::size_t stride = (static_cast<std::size_t>(width) * 24 + 31) / 32 * 4;
    return Bmp(40, width, height, 24, 0, stride * static_cast<std::size_t>(height));
}

// An icon (`type` 1) or a cursor (2) with a 16 x 16 and a 32 x 32 image, each
// a bitmap of `imageBytes`.
inline Bytes Icon(unsigned type, std::uint32_t imageBytes) {
    Writer w;
    w.Le16(0).Le16(type).Le16(2);
    const std::uint32_t first = 6 + 2 * 16;
    w.U8(16).U8(16).U8(0).U8(0).Le16(1).Le16(32).Le32(imageBytes).Le32(first);
    w.U8(32).U8(32).U8(0).U8(0).Le16(1).Le16(32).Le32(imageBytes).Le32(first + imageBytes);
    for (int image = 0; image < 2; ++image) {
        w.Le32(40).Zeros(imageBytes - 4);
    }
    return w.bytes;
}

}  // namespace startart::pack
