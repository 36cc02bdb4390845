// Reads the header of a picture file far enough to tell whether the menu's
// imaging can load it and how large it is, without decoding any pixels: the
// authoring tool must run where no imaging library is available.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace startart::pack {

// Each has its row, with its name, signatures and reader, in the table of
// picture_header.cpp.
enum class PictureFormat { kUnknown, kBmp, kGif, kJpeg, kPng, kTiff, kIco };

struct PictureHeader {
    PictureFormat format = PictureFormat::kUnknown;
    // False when the signature is known but the structure is broken or the
    // file ends early.
    bool intact = false;
    // As the file states them, also when it breaks after that; 0 when it
    // breaks before.
    std::uint32_t width = 0;
    std::uint32_t height = 0;

    bool Decodes() const { return format != PictureFormat::kUnknown && intact; }
};

// A bitmap may have a Windows or an OS/2 header; an icon reports its largest
// image.
PictureHeader ReadPictureHeader(std::span<const unsigned char> file);

const char* PictureFormatName(PictureFormat format);

// The names of the formats the menu loads, for a sentence: comma-separated,
// with `beforeLast` (", " or " or ") before the last.
std::string PictureFormatNames(std::string_view beforeLast);

}  // namespace startart::pack
