// Reading the registry, for the PDF reader's entry. Only reads: every key is
// opened for querying values and closed again before the routine returns.
#pragma once

#include <string>

#include "basic/int16.h"

namespace startart {

class RegistryAccess;

// Root index 0 is HKEY_CLASSES_ROOT, 1 HKEY_CURRENT_USER, 2 HKEY_LOCAL_MACHINE
// and so on: the root handle is 0x80000000 plus the index. A negative index
// is an overflow error.
inline constexpr Int16 kClassesRoot = 0;

// True when the key opens and the value exists in it. An empty value name is
// the key's default value.
bool RegistryValueExists(RegistryAccess& registry,
                         Int16 rootIndex,
                         const std::string& keyPath,
                         const std::string& valueName);

// The value as text: REG_SZ up to its first NUL, REG_BINARY as upper-case
// hex pairs each followed by a space, REG_DWORD as a signed decimal number.
// Empty for other types and whenever the key or value cannot be read.
std::string ReadRegistryValue(RegistryAccess& registry,
                              Int16 rootIndex,
                              const std::string& keyPath,
                              const std::string& valueName);

// Returns the text before the first delimiter and leaves what follows it in
// text; without a delimiter returns all of it and leaves text empty.
std::string TakeToken(std::string& text, const std::string& delimiter);

}  // namespace startart
