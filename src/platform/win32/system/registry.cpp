// Registry reads.
// Needs: advapi32.
#include "system/registry.h"

#include <windows.h>

#include "text.h"

namespace startart::win32 {
namespace {

// The predefined keys are 32-bit values that a 64-bit HKEY holds sign
// extended: 0x80000000 is HKEY_CLASSES_ROOT only as 0xFFFFFFFF80000000.
HKEY RootKey(std::uint32_t root) {
    return reinterpret_cast<HKEY>(static_cast<LONG_PTR>(static_cast<LONG>(root)));
}

HKEY KeyOf(RegistryAccess::Key key) {
    return reinterpret_cast<HKEY>(key);
}

}  // namespace

long Win32Registry::OpenKey(std::uint32_t root, const std::string& path, Key& key) {
    HKEY opened = nullptr;
    const LONG result = RegOpenKeyExA(RootKey(root), ToAnsiCodePage(path).c_str(), 0, KEY_QUERY_VALUE, &opened);
    if (result == ERROR_SUCCESS) {
        key = reinterpret_cast<Key>(opened);
    }
    return result;
}

long Win32Registry::QueryValue(Key key,
                               const std::string& name,
                               std::uint32_t& type,
                               unsigned char* data,
                               std::uint32_t& size) {
    DWORD valueType = 0;
    DWORD length = size;
    const LONG result = RegQueryValueExA(KeyOf(key), ToAnsiCodePage(name).c_str(), nullptr, &valueType, data, &length);
    type = valueType;
    size = length;
    return result;
}

void Win32Registry::CloseKey(Key key) {
    RegCloseKey(KeyOf(key));
}

std::string Win32Registry::DecodeText(const std::string& bytes) {
    return FromAnsiCodePage(bytes);
}

}  // namespace startart::win32
