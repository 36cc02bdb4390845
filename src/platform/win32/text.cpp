// Conversions between UTF-8, UTF-16 and the ANSI code page.
// Needs: kernel32 (MultiByteToWideChar, WideCharToMultiByte).
#include "text.h"

#include <windows.h>

namespace startart::win32 {
namespace {

std::wstring ToUtf16(UINT codePage, std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring result(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), result.data(), length);
    return result;
}

std::string FromUtf16(UINT codePage, std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int length =
        WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), result.data(), length, nullptr,
                        nullptr);
    return result;
}

}  // namespace

std::wstring Widen(std::string_view utf8) {
    return ToUtf16(CP_UTF8, utf8);
}

std::string Narrow(std::wstring_view utf16) {
    return FromUtf16(CP_UTF8, utf16);
}

std::string ToAnsiCodePage(std::string_view utf8) {
    return FromUtf16(CP_ACP, Widen(utf8));
}

std::string FromAnsiCodePage(std::string_view ansi) {
    return Narrow(ToUtf16(CP_ACP, ansi));
}

}  // namespace startart::win32
