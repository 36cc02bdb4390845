// Active Accessibility's own DLL, loaded from the system folder the first
// time a screen reader asks: oleacc.dll is no KnownDLL, so it must not be in
// the import table, where Windows would look for it beside the program.
// Needs: kernel32; oleacc.dll at run time.
#pragma once

#include <windows.h>

#include <ole2.h>
#include <oleacc.h>

namespace startart::win32 {

class Oleacc {
  public:
    // The one loaded copy, or null when the system has none.
    static const Oleacc* Get();

    LRESULT ResultFromObject(REFIID riid, WPARAM wParam, IUnknown* object) const;
    // The system's own accessible object for a window's part.
    HRESULT CreateStandardObject(HWND window, LONG object, REFIID riid, void** result) const;

  private:
    Oleacc() = default;

    using LresultFromObjectFunction = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
    using CreateStdAccessibleObjectFunction = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);

    HMODULE module_ = nullptr;
    LresultFromObjectFunction lresultFromObject_ = nullptr;
    CreateStdAccessibleObjectFunction createStdAccessibleObject_ = nullptr;
};

}  // namespace startart::win32
