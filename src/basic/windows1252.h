// Windows-1252, the code page of the texts in st.art. The core keeps text as
// UTF-8; the settings' bytes are decoded here and the authoring tool encodes
// back with the same table.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace startart {

// Every byte value decodes. The five bytes that Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the C1 control characters of the same
// value, as Windows' own conversion does, so no byte is lost.
std::string DecodeWindows1252(std::string_view bytes);

// nullopt when the text holds a character that Windows-1252 cannot store or
// is not valid UTF-8.
std::optional<std::string> EncodeWindows1252(std::string_view utf8);

// Reads the UTF-8 sequence at utf8[pos] and moves pos past it; nullopt for a
// malformed sequence: a stray or cut-off continuation byte, an overlong
// spelling, a surrogate or a code point above U+10FFFF.
std::optional<char32_t> NextUtf8CodePoint(std::string_view utf8, std::size_t& pos);

// Appends the UTF-8 sequence of a scalar value.
void AppendUtf8(std::string& utf8, char32_t cp);

}  // namespace startart
