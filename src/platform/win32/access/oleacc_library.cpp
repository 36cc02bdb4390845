// Loading oleacc.dll on demand.
// Needs: kernel32.
#include "access/oleacc_library.h"

#include "system/system_files.h"

namespace startart::win32 {
namespace {

HMODULE LoadFromTheSystemFolder() {
    if (const HMODULE module = LoadLibraryExW(L"oleacc.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        return module;
    }
    // Windows 7 without its update knows no search flags: the full path.
    return LoadLibraryExW(InSystemFolder(L"oleacc.dll").c_str(), nullptr, 0);
}

}  // namespace

const Oleacc* Oleacc::Get() {
    // Loaded once for the program's life; Windows frees it at the end.
    static const Oleacc* const loaded = [] {
        static Oleacc oleacc;
        oleacc.module_ = LoadFromTheSystemFolder();
        if (oleacc.module_) {
            oleacc.lresultFromObject_ = FunctionOf<LresultFromObjectFunction>(oleacc.module_, "LresultFromObject");
            oleacc.createStdAccessibleObject_ =
                FunctionOf<CreateStdAccessibleObjectFunction>(oleacc.module_, "CreateStdAccessibleObject");
        }
        const bool usable = oleacc.lresultFromObject_ && oleacc.createStdAccessibleObject_;
        return usable ? &oleacc : nullptr;
    }();
    return loaded;
}

LRESULT Oleacc::ResultFromObject(REFIID riid, WPARAM wParam, IUnknown* object) const {
    return lresultFromObject_(riid, wParam, object);
}

HRESULT Oleacc::CreateStandardObject(HWND window, LONG object, REFIID riid, void** result) const {
    return createStdAccessibleObject_(window, object, riid, result);
}

}  // namespace startart::win32
