// UTF-16 little-endian, in which Windows reads a text file that starts with
// its byte order mark whatever the system's code page.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace startart::pack {

// Valid UTF-8 in, the bytes of its UTF-16 LE form out, without a byte order
// mark.
std::vector<unsigned char> Utf16LeFromUtf8(std::string_view utf8);

// An unpaired surrogate and a last odd byte become U+FFFD.
std::string Utf8FromUtf16Le(std::span<const unsigned char> bytes);

// How many UTF-16 code units the UTF-8 text takes, as Windows and Joliet
// count a name's length.
std::size_t Utf16Length(std::string_view utf8);

}  // namespace startart::pack
