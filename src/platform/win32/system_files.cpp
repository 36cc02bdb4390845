// Windows' own folders.
// Needs: kernel32.
#include "system_files.h"

namespace startart::win32 {
namespace {

std::wstring InFolder(UINT(WINAPI* folder)(LPWSTR, UINT), const wchar_t* name) {
    std::wstring path(MAX_PATH, L'\0');
    const UINT length = folder(path.data(), static_cast<UINT>(path.size()));
    path.resize(length < path.size() ? length : 0);
    return path + L"\\" + name;
}

}  // namespace

std::wstring InSystemFolder(const wchar_t* name) {
    return InFolder(GetSystemDirectoryW, name);
}

std::wstring InWindowsFolder(const wchar_t* name) {
    return InFolder(GetWindowsDirectoryW, name);
}

}  // namespace startart::win32
