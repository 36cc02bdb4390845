// A form as Active Accessibility presents it to a screen reader: the client
// area with one simple child per accessible item of the form (the main
// window: its title picture and its visible buttons), with their names,
// roles, states, places and default actions. The object may outlive the
// window, for a screen reader keeps it as long as it likes: once the window
// goes, every call answers that the object is gone.
// Needs: oleaut32 (BSTR, VARIANT), user32; oleacc.dll at run time.
#pragma once

#include <windows.h>

#include <ole2.h>
#include <oleacc.h>

#include <functional>
#include <optional>

#include "access/oleacc_library.h"
#include "dpi_scale.h"
#include "toolkit/form.h"

namespace startart::win32 {

class AccessibleForm final : public IAccessible {
  public:
    // `click` runs a control's click through the event barrier.
    // The scale is the form window's, where its items lie on the device.
    AccessibleForm(HWND window,
                   const Form& form,
                   const DpiScale& scale,
                   std::function<void(Control&)> click,
                   const Oleacc& oleacc);
    AccessibleForm(const AccessibleForm&) = delete;
    AccessibleForm& operator=(const AccessibleForm&) = delete;

    void Disconnect();

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IDispatch: screen readers call the interface directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override;

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** dispatch) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

  private:
    ~AccessibleForm() = default;

    // What a VARIANT names: the client area itself (child 0) or an item.
    struct Target {
        bool self = false;
        AccessibleItem item;
    };
    // nullopt for a child that does not exist; E_INVALIDARG then.
    std::optional<Target> Resolve(const VARIANT& child) const;
    // Runs an answer while the window lives; no exception leaves it.
    template <class Answer>
    HRESULT Connected(Answer answer) const noexcept;
    // The same for an answer about the client area or one of its items.
    template <class Answer>
    HRESULT AboutChild(const VARIANT& child, Answer answer) const noexcept;
    // The item's rectangle on the screen.
    RECT ScreenRect(const Target& target) const;

    ULONG references_ = 1;
    HWND window_;
    const Form* form_;
    const DpiScale& scale_;
    std::function<void(Control&)> click_;
    const Oleacc& oleacc_;
};

}  // namespace startart::win32
