#include "pack/picture_header.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "pack/byte_view.h"

namespace startart::pack {
namespace {

using namespace std::string_view_literals;

constexpr std::string_view kPngSignature("\x89PNG\r\n\x1a\n", 8);

struct Size {
    std::uint64_t width = 0;
    std::uint64_t height = 0;
};

// --- BMP -------------------------------------------------------------------

constexpr std::uint64_t kBmpFileHeader = 14;

enum BmpCompression : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3, kJpeg = 4, kPng = 5, kAlpha = 6 };

bool IsWindowsInfoHeader(std::uint32_t size) {
    return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}
// OS/2 2.x headers: the full 64 bytes or cut to the first 16.
bool IsOs2InfoHeader(std::uint32_t size) {
    return size == 16 || size == 64;
}

std::uint64_t PixelBytes(std::uint64_t width, std::uint64_t rows, std::uint16_t bits) {
    const std::uint64_t stride = (width * bits + 31) / 32 * 4;
    return stride * rows;
}

void ReadBmp(const ByteView& f, Size& size) {
    const std::uint32_t pixelOffset = f.Le32(10);
    const std::uint32_t headerSize = f.Le32(14);
    f.Need(kBmpFileHeader, headerSize);
    if (pixelOffset < kBmpFileHeader + headerSize) {
        throw BrokenFile{};
    }

    if (headerSize == 12) {  // OS/2 1.x core header: 16-bit sizes, no compression
        const std::uint16_t width = f.Le16(18);
        const std::uint16_t height = f.Le16(20);
        const std::uint16_t bits = f.Le16(24);
        if (f.Le16(22) != 1 || (bits != 1 && bits != 4 && bits != 8 && bits != 24)) {
            throw BrokenFile{};
        }
        size = {width, height};
        f.Need(pixelOffset, PixelBytes(width, height, bits));
        return;
    }
    if (!IsWindowsInfoHeader(headerSize) && !IsOs2InfoHeader(headerSize)) {
        throw BrokenFile{};
    }

    const auto width = static_cast<std::int32_t>(f.Le32(18));
    const auto height = static_cast<std::int32_t>(f.Le32(22));
    const std::uint16_t bits = f.Le16(28);
    const std::uint32_t compression = f.Le32(30);
    const std::uint32_t imageSize = headerSize >= 24 ? f.Le32(34) : 0;
    if (f.Le16(26) != 1 || width <= 0 || height == 0 || height == INT32_MIN) {
        throw BrokenFile{};
    }
    const bool topDown = height < 0;
    const std::uint64_t rows = topDown ? -static_cast<std::int64_t>(height) : height;
    size = {static_cast<std::uint64_t>(width), rows};
    // OS/2 gives the numbers from 3 on other meanings (Huffman, RLE24) that
    // Windows' imaging does not read.
    if (IsOs2InfoHeader(headerSize) && compression > kRle4) {
        throw BrokenFile{};
    }

    std::uint64_t dataBytes = 0;
    switch (compression) {
        case kRgb:
            if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
                throw BrokenFile{};
            }
            dataBytes = PixelBytes(static_cast<std::uint64_t>(width), rows, bits);
            break;
        case kBitfields:
        case kAlpha:
            if (bits != 16 && bits != 32) {
                throw BrokenFile{};
            }
            dataBytes = PixelBytes(static_cast<std::uint64_t>(width), rows, bits);
            break;
        case kRle8:
        case kRle4:
            // Run-length data is stored bottom-up only.
            if (bits != (compression == kRle8 ? 8 : 4) || topDown || imageSize == 0) {
                throw BrokenFile{};
            }
            dataBytes = imageSize;
            break;
        case kJpeg:
        case kPng:
            if (imageSize == 0) {
                throw BrokenFile{};
            }
            dataBytes = imageSize;
            break;
        default:
            throw BrokenFile{};
    }
    f.Need(pixelOffset, dataBytes);
}

// --- GIF -------------------------------------------------------------------

std::uint64_t GifColourTableBytes(std::uint8_t flags) {
    return (flags & 0x80) != 0 ? 3u << ((flags & 0x07) + 1) : 0;
}

std::uint64_t SkipGifSubBlocks(const ByteView& f, std::uint64_t at) {
    for (std::uint8_t length = f.U8(at++); length != 0; length = f.U8(at++)) {
        at += length;
    }
    return at;
}

// Walks every block up to the trailer, so a file cut anywhere is noticed.
void ReadGif(const ByteView& f, Size& size) {
    size = {f.Le16(6), f.Le16(8)};
    std::uint64_t at = 13 + GifColourTableBytes(f.U8(10));
    bool sawImage = false;
    for (;;) {
        switch (f.U8(at)) {
            case 0x21:  // extension: introducer, label, sub-blocks
                at = SkipGifSubBlocks(f, at + 2);
                break;
            case 0x2C:  // image: 10-byte descriptor, local colour table, LZW code size, sub-blocks
                at = SkipGifSubBlocks(f, at + 10 + GifColourTableBytes(f.U8(at + 9)) + 1);
                sawImage = true;
                break;
            case 0x3B:
                if (!sawImage) {
                    throw BrokenFile{};
                }
                return;
            default:
                throw BrokenFile{};
        }
    }
}

// --- JPEG ------------------------------------------------------------------

// Windows' imaging reads baseline, extended and progressive Huffman JPEGs;
// lossless and arithmetic-coded frames (the other SOF markers) it rejects.
bool IsReadableFrame(std::uint8_t marker) {
    return marker >= 0xC0 && marker <= 0xC2;
}
bool IsOtherFrame(std::uint8_t marker) {
    return marker >= 0xC3 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

void ReadJpeg(const ByteView& f, Size& size) {
    std::uint64_t at = 2;
    bool sawFrame = false;
    for (;;) {
        if (f.U8(at) != 0xFF) {
            throw BrokenFile{};
        }
        while (f.U8(at) == 0xFF) {  // fill bytes
            ++at;
        }
        const std::uint8_t marker = f.U8(at++);
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {  // no length
            continue;
        }
        if (marker == 0x00 || marker == 0xD8 || marker == 0xD9) {
            throw BrokenFile{};
        }
        const std::uint16_t length = f.Be16(at);
        f.Need(at, length);
        if (length < 2 || IsOtherFrame(marker) || (IsReadableFrame(marker) && length < 8)) {
            throw BrokenFile{};
        }
        if (IsReadableFrame(marker) && !sawFrame) {
            size = {f.Be16(at + 5), f.Be16(at + 3)};
            sawFrame = true;
        }
        if (marker == 0xDA) {
            // Entropy-coded data stuffs every FF with 00, so FF D9 after the
            // scan header can only be the end-of-image marker.
            if (!sawFrame || !f.Contains(at + length, "\xFF\xD9")) {
                throw BrokenFile{};
            }
            return;
        }
        at += length;
    }
}

// --- PNG -------------------------------------------------------------------

std::uint32_t Crc32(std::span<const unsigned char> bytes) {
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) {
                c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            }
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const unsigned char b : bytes) {
        crc = table[(crc ^ b) & 0xFF] ^ (crc >> 8);
    }
    return crc ^ 0xFFFFFFFFu;
}

bool IsValidPngDepth(std::uint8_t colourType, std::uint8_t depth) {
    switch (colourType) {
        case 0:
            return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
        case 3:
            return depth == 1 || depth == 2 || depth == 4 || depth == 8;
        case 2:
        case 4:
        case 6:
            return depth == 8 || depth == 16;
        default:
            return false;
    }
}

// Walks every chunk to IEND and checks each checksum.
void ReadPng(const ByteView& f, Size& size) {
    std::uint64_t at = kPngSignature.size();
    bool sawData = false;
    for (bool first = true;; first = false) {
        const std::uint32_t length = f.Be32(at);
        if (length > 0x7FFFFFFF) {
            throw BrokenFile{};
        }
        const auto typeAndData = f.Bytes(at + 4, 4ull + length);
        if (Crc32(typeAndData) != f.Be32(at + 8 + length)) {
            throw BrokenFile{};
        }
        const bool header = f.Matches(at + 4, "IHDR");
        if (first != header) {
            throw BrokenFile{};
        }
        if (header) {
            const std::uint32_t width = f.Be32(at + 8);
            const std::uint32_t height = f.Be32(at + 12);
            size = {width, height};
            const std::uint8_t depth = f.U8(at + 16);
            const std::uint8_t colourType = f.U8(at + 17);
            if (length != 13 || width > 0x7FFFFFFF || height > 0x7FFFFFFF || !IsValidPngDepth(colourType, depth) ||
                f.U8(at + 18) != 0 || f.U8(at + 19) != 0 || f.U8(at + 20) > 1) {
                throw BrokenFile{};
            }
        }
        sawData = sawData || f.Matches(at + 4, "IDAT");
        if (f.Matches(at + 4, "IEND")) {
            if (!sawData) {
                throw BrokenFile{};
            }
            return;
        }
        at += 12ull + length;
    }
}

// --- TIFF ------------------------------------------------------------------

class TiffReader {
  public:
    TiffReader(const ByteView& f, bool bigEndian) : f_(f), bigEndian_(bigEndian) {}

    std::uint16_t U16(std::uint64_t at) const { return bigEndian_ ? f_.Be16(at) : f_.Le16(at); }
    std::uint32_t U32(std::uint64_t at) const { return bigEndian_ ? f_.Be32(at) : f_.Le32(at); }

    // The SHORT or LONG values of the 12-byte directory entry at `entry`.
    std::vector<std::uint32_t> Values(std::uint64_t entry) const {
        const std::uint16_t type = U16(entry + 2);
        const std::uint32_t count = U32(entry + 4);
        if (type != 3 && type != 4) {
            throw BrokenFile{};
        }
        const std::uint64_t size = type == 3 ? 2 : 4;
        const std::uint64_t at = count * size <= 4 ? entry + 8 : U32(entry + 8);
        f_.Need(at, count * size);
        std::vector<std::uint32_t> values;
        values.reserve(count);
        for (std::uint64_t i = 0; i < count; ++i) {
            values.push_back(type == 3 ? U16(at + i * size) : U32(at + i * size));
        }
        return values;
    }

  private:
    const ByteView& f_;
    bool bigEndian_;
};

std::uint32_t SingleValue(const std::vector<std::uint32_t>& values) {
    if (values.size() != 1) {
        throw BrokenFile{};
    }
    return values[0];
}

// Reads the first directory and checks that the strips or tiles it points to
// lie inside the file.
void ReadTiff(const ByteView& f, Size& size) {
    enum Tag : std::uint16_t {
        kWidth = 256,
        kLength = 257,
        kStripOffsets = 273,
        kStripByteCounts = 279,
        kTileOffsets = 324,
        kTileByteCounts = 325,
    };
    const TiffReader tiff(f, f.Matches(0, "MM"));
    const std::uint32_t directory = tiff.U32(4);
    const std::uint16_t entries = tiff.U16(directory);
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::vector<std::uint32_t> offsets;
    std::vector<std::uint32_t> counts;
    for (std::uint16_t i = 0; i < entries; ++i) {
        const std::uint64_t entry = directory + 2ull + 12ull * i;
        switch (tiff.U16(entry)) {
            case kWidth:
                width = SingleValue(tiff.Values(entry));
                break;
            case kLength:
                height = SingleValue(tiff.Values(entry));
                break;
            case kStripOffsets:
            case kTileOffsets:
                offsets = tiff.Values(entry);
                break;
            case kStripByteCounts:
            case kTileByteCounts:
                counts = tiff.Values(entry);
                break;
            default:
                f.Need(entry, 12);
                break;
        }
    }
    size = {width, height};
    if (offsets.empty() || offsets.size() != counts.size()) {
        throw BrokenFile{};
    }
    for (std::size_t i = 0; i < offsets.size(); ++i) {
        f.Need(offsets[i], counts[i]);
    }
}

// --- ICO -------------------------------------------------------------------

// Every image of the directory must lie inside the file and hold a PNG or a
// device-independent bitmap.
void ReadIcon(const ByteView& f, Size& size) {
    const std::uint16_t count = f.Le16(4);
    const std::uint64_t directoryEnd = 6 + 16ull * count;
    f.Need(0, directoryEnd);
    if (count == 0) {
        throw BrokenFile{};
    }
    for (std::uint16_t i = 0; i < count; ++i) {
        const std::uint64_t entry = 6 + 16ull * i;
        const std::uint64_t entryWidth = f.U8(entry) == 0 ? 256 : f.U8(entry);
        const std::uint64_t entryHeight = f.U8(entry + 1) == 0 ? 256 : f.U8(entry + 1);
        if (entryWidth * entryHeight > size.width * size.height) {
            size = {entryWidth, entryHeight};
        }
        const std::uint32_t bytes = f.Le32(entry + 8);
        const std::uint32_t offset = f.Le32(entry + 12);
        f.Need(offset, bytes);
        const bool holdsPng = f.Matches(offset, kPngSignature);
        const bool holdsBitmap = bytes >= 4 && IsWindowsInfoHeader(f.Le32(offset));
        if (offset < directoryEnd || bytes == 0 || (!holdsPng && !holdsBitmap)) {
            throw BrokenFile{};
        }
    }
}

// --- The formats -----------------------------------------------------------

struct FormatRow {
    PictureFormat format;
    const char* name;
    // The file begins with one of them; an empty one stands for none.
    std::array<std::string_view, 2> signatures;
    // Sets `size` as soon as the file states it, so that a file broken after
    // that still tells how large it claims to be.
    void (*read)(const ByteView& f, Size& size);
};

// What the menu's imaging decodes, in the order messages name it. A cursor
// file has an icon's layout but another type in its header, and Windows'
// imaging refuses it: it is no picture for the menu.
constexpr std::array kFormats = {
    FormatRow{PictureFormat::kBmp, "BMP", {"BM"sv}, ReadBmp},
    FormatRow{PictureFormat::kGif, "GIF", {"GIF87a"sv, "GIF89a"sv}, ReadGif},
    FormatRow{PictureFormat::kJpeg, "JPEG", {"\xFF\xD8\xFF"sv}, ReadJpeg},
    FormatRow{PictureFormat::kPng, "PNG", {kPngSignature}, ReadPng},
    FormatRow{PictureFormat::kTiff, "TIFF", {"II*\0"sv, "MM\0*"sv}, ReadTiff},
    FormatRow{PictureFormat::kIco, "ICO", {"\0\0\1\0"sv}, ReadIcon},
};

const FormatRow* RowBySignature(const ByteView& f) {
    const auto begins = [&f](std::string_view signature) { return !signature.empty() && f.Matches(0, signature); };
    const auto row =
        std::ranges::find_if(kFormats, [&](const FormatRow& r) { return std::ranges::any_of(r.signatures, begins); });
    return row == kFormats.end() ? nullptr : &*row;
}

}  // namespace

PictureHeader ReadPictureHeader(std::span<const unsigned char> file) {
    const ByteView f(file);
    const FormatRow* row = RowBySignature(f);
    if (!row) {
        return {};
    }
    Size size;
    bool intact = true;
    try {
        row->read(f, size);
    } catch (const BrokenFile&) {
        intact = false;
    }
    if (size.width > UINT32_MAX || size.height > UINT32_MAX) {
        return {row->format, false, 0, 0};
    }
    return {row->format, intact && size.width != 0 && size.height != 0, static_cast<std::uint32_t>(size.width),
            static_cast<std::uint32_t>(size.height)};
}

const char* PictureFormatName(PictureFormat format) {
    const auto row = std::ranges::find(kFormats, format, &FormatRow::format);
    return row == kFormats.end() ? "unbekannt" : row->name;
}

std::string PictureFormatNames(std::string_view beforeLast) {
    std::string names;
    for (const FormatRow& row : kFormats) {
        if (!names.empty()) {
            names += &row == &kFormats.back() ? beforeLast : ", ";
        }
        names += row.name;
    }
    return names;
}

}  // namespace startart::pack
