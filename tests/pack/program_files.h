// Windows programs built byte by byte for the tests, as far as the headers
// that tell whether a program carries a signature.
#pragma once

#include <cstdint>

#include "picture_files.h"

namespace startart::pack {

inline constexpr std::uint16_t kPe32 = 0x10B;
inline constexpr std::uint16_t kPe32Plus = 0x20B;

// The DOS header pointing to the PE headers at 0x80, the COFF header and an
// optional header of `magic` with all 16 data directories. When
// `certificateBytes` is not 0, the security directory names that many bytes
// right after the headers, and they follow.
inline Bytes Program(std::uint16_t magic, std::uint32_t certificateBytes) {
    constexpr std::uint32_t kPeHeaders = 0x80;
    constexpr std::uint32_t kDirectories = 16;
    const std::uint32_t firstDirectory = magic == kPe32Plus ? 112 : 96;
    const std::uint32_t optionalHeaderSize = firstDirectory + kDirectories * 8;
    Writer w;
    w.Text("MZ").Zeros(0x3C - 2).Le32(kPeHeaders).Zeros(kPeHeaders - 0x40);
    w.Text(std::string("PE\0\0", 4))
        .Le16(magic == kPe32Plus ? 0x8664 : 0x14C)
        .Zeros(14)
        .Le16(optionalHeaderSize)
        .Le16(0x102);
    w.Le16(magic).Zeros(firstDirectory - 6).Le32(kDirectories);
    const std::uint32_t headersEnd = kPeHeaders + 24 + optionalHeaderSize;
    for (std::uint32_t i = 0; i < kDirectories; ++i) {
        const bool signature = i == 4 && certificateBytes != 0;
        w.Le32(signature ? headersEnd : 0).Le32(signature ? certificateBytes : 0);
    }
    return w.Zeros(certificateBytes).bytes;
}

inline Bytes SignedProgram() {
    return Program(kPe32, 16);
}

}  // namespace startart::pack
