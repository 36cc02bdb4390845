// The program's own file name and reading files for the settings.
// Needs: kernel32.
#include "system/program_files.h"

#include <windows.h>

#include <algorithm>

#include "handles.h"
#include "text.h"

namespace startart::win32 {

std::wstring ProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::string DirectoryOf(const std::wstring& path) {
    const auto slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos) {
        return {};
    }
    // "D:\menu.exe" lies in "D:\", which keeps its backslash.
    const bool driveRoot = slash == 2 && path[1] == L':';
    return Narrow(path.substr(0, driveRoot ? slash + 1 : slash));
}

std::string TitleOf(const std::wstring& path) {
    const auto slash = path.find_last_of(L"\\/");
    std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
    const auto dot = name.rfind(L'.');
    if (dot != std::wstring::npos) {
        name.resize(dot);
    }
    return Narrow(name);
}

std::optional<std::vector<unsigned char>> ReadHead(const std::wstring& path, std::size_t maxBytes) {
    const UniqueKernelHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return std::nullopt;
    }
    std::vector<unsigned char> bytes(maxBytes);
    std::size_t total = 0;
    while (total < maxBytes) {
        DWORD read = 0;
        const auto wanted = static_cast<DWORD>(std::min<std::size_t>(maxBytes - total, 1u << 20));
        if (!ReadFile(file.get(), bytes.data() + total, wanted, &read, nullptr)) {
            return std::nullopt;
        }
        if (read == 0) {
            break;
        }
        total += read;
    }
    bytes.resize(total);
    return bytes;
}

}  // namespace startart::win32
