// Text at the edge between the core and Windows: the core holds UTF-8, the
// user-visible Windows functions take UTF-16, and the registry's ANSI
// functions take the system's 8-bit code page.
// Needs: <windows.h> (in text.cpp only).
#pragma once

#include <string>
#include <string_view>

namespace startart::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// UTF-8 to and from the system's ANSI code page. Embedded NULs are kept.
std::string ToAnsiCodePage(std::string_view utf8);
std::string FromAnsiCodePage(std::string_view ansi);

}  // namespace startart::win32
