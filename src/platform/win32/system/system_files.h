// Windows' own folder and the functions of its DLLs that not every Windows
// version has: the program reaches the system's files by full path, never by
// a search that could find a namesake beside the menu.
// Needs: kernel32.
#pragma once

#include <windows.h>

#include <string>

namespace startart::win32 {

// The full path of a file in the system folder.
std::wstring InSystemFolder(const wchar_t* name);

// A function of a loaded DLL by its name, or null where this Windows lacks it.
template <class Function>
Function FunctionOf(HMODULE module, const char* name) {
    // Through a plain function pointer, which any function pointer may be
    // cast to without a warning.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace startart::win32
