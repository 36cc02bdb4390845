#include "pack/text_value.h"

#include <charconv>
#include <cstdint>
#include <vector>

#include "basic/windows1252.h"

namespace startart::pack {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Control characters, and the five code points that stand for the bytes
// Windows-1252 leaves undefined: invisible or line-breaking, so never bare.
bool NeedsEscape(char32_t cp) {
    return cp < 0x20 || cp == 0x7F || (cp >= 0x80 && cp <= 0x9F);
}

std::string HexCode(char32_t cp, int digits) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) {
        out += kHex[(cp >> shift) & 0xF];
    }
    return out;
}

bool NeedsQuotes(const std::string& text) {
    if (IsBlank(text.front()) || IsBlank(text.back()) || text.front() == '"') {
        return true;
    }
    for (std::size_t pos = 0; pos < text.size();) {
        const auto cp = NextUtf8CodePoint(text, pos);
        if (!cp || NeedsEscape(*cp)) {
            return true;
        }
    }
    return false;
}

std::string Quote(const std::string& text) {
    std::string out = "\"";
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        const auto cp = NextUtf8CodePoint(text, pos);
        switch (cp.value_or(0xFFFD)) {
            case '\\':
                out += "\\\\";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                // A control character's code point is also its byte in st.art.
                out += cp && NeedsEscape(*cp) ? "\\x" + HexCode(*cp, 2) : text.substr(start, pos - start);
                break;
        }
    }
    return out + "\"";
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

std::string Unquote(std::string_view written) {
    std::string text;
    for (std::size_t pos = 1; pos < written.size(); ++pos) {
        const char c = written[pos];
        if (c == '"') {
            if (pos + 1 != written.size()) {
                throw ValueError("Text nach dem schließenden Anführungszeichen");
            }
            return text;
        }
        if (c != '\\') {
            text += c;
            continue;
        }
        if (++pos == written.size()) {
            break;
        }
        switch (written[pos]) {
            case '\\':
                text += '\\';
                break;
            case '"':
                text += '"';
                break;
            case 'r':
                text += '\r';
                break;
            case 'n':
                text += '\n';
                break;
            case 't':
                text += '\t';
                break;
            case 'x': {
                const int high = pos + 1 < written.size() ? HexDigit(written[pos + 1]) : -1;
                const int low = pos + 2 < written.size() ? HexDigit(written[pos + 2]) : -1;
                if (high < 0 || low < 0) {
                    throw ValueError("nach \\x müssen zwei Hexadezimalziffern folgen");
                }
                text += DecodeWindows1252(std::string(1, static_cast<char>(high * 16 + low)));
                pos += 2;
                break;
            }
            default:
                throw ValueError("unbekannte Escape-Folge '\\" + std::string(1, written[pos]) +
                                 "' (erlaubt: \\\\ \\\" \\r \\n \\t \\xHH)");
        }
    }
    throw ValueError("schließendes Anführungszeichen fehlt");
}

void RequireWindows1252(const std::string& text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        const auto cp = NextUtf8CodePoint(text, pos);
        if (!cp) {
            throw ValueError("kein gültiges UTF-8");
        }
        const std::string character = text.substr(start, pos - start);
        if (!EncodeWindows1252(character)) {
            throw ValueError("Zeichen '" + character + "' (U+" + HexCode(*cp, 4) + ") gibt es in Windows-1252 nicht");
        }
    }
}

// A decimal integer with an optional minus sign, nothing else.
bool ParseInteger(std::string_view written, long long& value) {
    if (written.empty() || written.front() == '+') {
        return false;
    }
    const char* end = written.data() + written.size();
    const auto [stop, error] = std::from_chars(written.data(), end, value);
    if (error == std::errc::result_out_of_range && stop == end) {
        value = written.front() == '-' ? INT64_MIN : INT64_MAX;
        return true;
    }
    return error == std::errc{} && stop == end;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string FormatValue(const std::string& text) {
    return !text.empty() && NeedsQuotes(text) ? Quote(text) : text;
}

std::string FormatValue(Int16 number) {
    return std::to_string(number);
}

std::string FormatValue(bool flag) {
    return flag ? "true" : "false";
}

std::string FormatValue(const Colour& colour) {
    return std::to_string(colour.rot) + ", " + std::to_string(colour.gruen) + ", " + std::to_string(colour.blau);
}

void ParseValue(std::string_view written, std::string& text) {
    text = written.starts_with('"') ? Unquote(written) : std::string(written);
    RequireWindows1252(text);
}

void ParseValue(std::string_view written, Int16& number) {
    long long value = 0;
    if (!ParseInteger(written, value)) {
        throw ValueError("'" + std::string(written) + "' ist keine ganze Zahl");
    }
    if (value < INT16_MIN || value > INT16_MAX) {
        throw ValueError("Zahl außerhalb von -32768..32767");
    }
    number = static_cast<Int16>(value);
}

void ParseValue(std::string_view written, bool& flag) {
    if (written != "true" && written != "false") {
        throw ValueError("'" + std::string(written) + "' ist kein Wahrheitswert (true oder false)");
    }
    flag = written == "true";
}

void ParseValue(std::string_view written, Colour& colour) {
    std::vector<std::uint8_t> parts;
    for (std::string_view rest = written;;) {
        const std::size_t comma = rest.find(',');
        long long value = 0;
        if (!ParseInteger(TrimBlanks(rest.substr(0, comma)), value) || value < 0 || value > 255) {
            parts.clear();
            break;
        }
        parts.push_back(static_cast<std::uint8_t>(value));
        if (comma == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(comma + 1);
    }
    if (parts.size() != 3) {
        throw ValueError("'" + std::string(written) + "' ist keine Farbe (rot, gruen, blau mit je 0..255)");
    }
    colour = Colour{parts[0], parts[1], parts[2]};
}

}  // namespace startart::pack
