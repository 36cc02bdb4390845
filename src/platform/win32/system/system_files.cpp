// Windows' own folder.
// Needs: kernel32.
#include "system/system_files.h"

namespace startart::win32 {

std::wstring InSystemFolder(const wchar_t* name) {
    std::wstring path(MAX_PATH, L'\0');
    const UINT length = GetSystemDirectoryW(path.data(), static_cast<UINT>(path.size()));
    path.resize(length < path.size() ? length : 0);
    return path + L"\\" + name;
}

}  // namespace startart::win32
