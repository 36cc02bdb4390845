// A form's accessible object.
// Needs: oleaut32, user32.
#include "access/accessible_form.h"

#include <new>

#include "paint/form_layers.h"
#include "text.h"

namespace startart::win32 {
namespace {

HRESULT Text(const std::wstring& text, BSTR* out) {
    *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT Number(long value, VARIANT* out) {
    out->vt = VT_I4;
    out->lVal = value;
    return S_OK;
}

HRESULT Nothing(VARIANT* out) {
    out->vt = VT_EMPTY;
    return S_FALSE;
}

HRESULT NoText(BSTR* out) {
    *out = nullptr;
    return S_FALSE;
}

long ChildId(std::size_t item) {
    return static_cast<long>(item) + 1;
}

}  // namespace

AccessibleForm::AccessibleForm(HWND window,
                               const Form& form,
                               const DpiScale& scale,
                               std::function<void(Control&)> click,
                               const Oleacc& oleacc)
    : window_(window), form_(&form), scale_(scale), click_(std::move(click)), oleacc_(oleacc) {}

void AccessibleForm::Disconnect() {
    form_ = nullptr;
    window_ = nullptr;
    click_ = nullptr;
}

std::optional<AccessibleForm::Target> AccessibleForm::Resolve(const VARIANT& child) const {
    if (child.vt != VT_I4) {
        return std::nullopt;
    }
    if (child.lVal == CHILDID_SELF) {
        return Target{true, {}};
    }
    const AccessibleItems items = form_->Accessibles();
    if (child.lVal < 1 || static_cast<std::size_t>(child.lVal) > items.size()) {
        return std::nullopt;
    }
    return Target{false, items[static_cast<std::size_t>(child.lVal - 1)]};
}

RECT AccessibleForm::ScreenRect(const Target& target) const {
    RECT rect{};
    if (target.self) {
        GetClientRect(window_, &rect);
    } else {
        rect = RectInForm(*target.item.area, scale_);
    }
    MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

HRESULT AccessibleForm::QueryInterface(REFIID riid, void** object) {
    if (!object) {
        return E_POINTER;
    }
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_IAccessible) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG AccessibleForm::AddRef() {
    return ++references_;
}

ULONG AccessibleForm::Release() {
    const ULONG left = --references_;
    if (left == 0) {
        delete this;
    }
    return left;
}

HRESULT AccessibleForm::GetTypeInfoCount(UINT* count) {
    *count = 0;
    return S_OK;
}

HRESULT AccessibleForm::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    *info = nullptr;
    return E_NOTIMPL;
}

HRESULT AccessibleForm::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}

HRESULT AccessibleForm::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
    return E_NOTIMPL;
}

// COM calls must not let an exception out: a lack of memory is the only one
// that the answers can raise.
template <class Answer>
HRESULT AccessibleForm::Connected(Answer answer) const noexcept {
    if (!form_) {
        return RPC_E_DISCONNECTED;
    }
    try {
        return answer();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_FAIL;
    }
}

template <class Answer>
HRESULT AccessibleForm::AboutChild(const VARIANT& child, Answer answer) const noexcept {
    return Connected([&] {
        const auto target = Resolve(child);
        return target ? answer(*target) : E_INVALIDARG;
    });
}

HRESULT AccessibleForm::get_accParent(IDispatch** parent) {
    // The client area lies in the window itself, which the system presents.
    return Connected([&] {
        return oleacc_.CreateStandardObject(window_, OBJID_WINDOW, IID_IDispatch, reinterpret_cast<void**>(parent));
    });
}

HRESULT AccessibleForm::get_accChildCount(long* count) {
    return Connected([&] {
        *count = static_cast<long>(form_->Accessibles().size());
        return S_OK;
    });
}

HRESULT AccessibleForm::get_accChild(VARIANT child, IDispatch** dispatch) {
    *dispatch = nullptr;
    // The items are simple elements, answered by this object.
    return AboutChild(child, [](const Target&) { return S_FALSE; });
}

HRESULT AccessibleForm::get_accName(VARIANT child, BSTR* name) {
    return AboutChild(child, [&](const Target& target) {
        return Text(Widen(target.self ? form_->Caption() : target.item.name), name);
    });
}

HRESULT AccessibleForm::get_accValue(VARIANT, BSTR* value) {
    return NoText(value);
}

HRESULT AccessibleForm::get_accDescription(VARIANT, BSTR* description) {
    return NoText(description);
}

HRESULT AccessibleForm::get_accRole(VARIANT child, VARIANT* role) {
    return AboutChild(child, [&](const Target& target) {
        if (target.self) {
            return Number(ROLE_SYSTEM_CLIENT, role);
        }
        return Number(target.item.role == AccessibleItem::Role::kGraphic ? ROLE_SYSTEM_GRAPHIC : ROLE_SYSTEM_PUSHBUTTON,
                      role);
    });
}

HRESULT AccessibleForm::get_accState(VARIANT child, VARIANT* state) {
    return AboutChild(child, [&](const Target& target) {
        const bool windowFocused = GetFocus() == window_;
        long bits = STATE_SYSTEM_FOCUSABLE;
        if (target.self) {
            bits |= windowFocused ? STATE_SYSTEM_FOCUSED : 0;
        } else if (target.item.unavailable) {
            bits = STATE_SYSTEM_UNAVAILABLE;
        } else if (target.item.focused) {
            bits |= STATE_SYSTEM_HOTTRACKED | (windowFocused ? STATE_SYSTEM_FOCUSED : 0);
        }
        return Number(bits, state);
    });
}

HRESULT AccessibleForm::get_accHelp(VARIANT, BSTR* help) {
    return NoText(help);
}

HRESULT AccessibleForm::get_accHelpTopic(BSTR* file, VARIANT, long* topic) {
    *topic = -1;
    return NoText(file);
}

HRESULT AccessibleForm::get_accKeyboardShortcut(VARIANT, BSTR* shortcut) {
    return NoText(shortcut);
}

HRESULT AccessibleForm::get_accFocus(VARIANT* focus) {
    return Connected([&] {
        if (GetFocus() != window_) {
            return Nothing(focus);
        }
        const AccessibleItems items = form_->Accessibles();
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i].focused) {
                return Number(ChildId(i), focus);
            }
        }
        return Number(CHILDID_SELF, focus);
    });
}

HRESULT AccessibleForm::get_accSelection(VARIANT* selection) {
    return Nothing(selection);
}

HRESULT AccessibleForm::get_accDefaultAction(VARIANT child, BSTR* action) {
    return AboutChild(child, [&](const Target& target) {
        return target.self ? NoText(action) : Text(Widen(target.item.defaultAction), action);
    });
}

HRESULT AccessibleForm::accSelect(long, VARIANT) {
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleForm::accLocation(long* left, long* top, long* width, long* height, VARIANT child) {
    return AboutChild(child, [&](const Target& target) {
        const RECT rect = ScreenRect(target);
        *left = rect.left;
        *top = rect.top;
        *width = rect.right - rect.left;
        *height = rect.bottom - rect.top;
        return S_OK;
    });
}

HRESULT AccessibleForm::accNavigate(long direction, VARIANT start, VARIANT* end) {
    return AboutChild(start, [&](const Target& target) {
        const long count = static_cast<long>(form_->Accessibles().size());
        if (target.self) {
            if (direction == NAVDIR_FIRSTCHILD || direction == NAVDIR_LASTCHILD) {
                return count == 0 ? Nothing(end) : Number(direction == NAVDIR_FIRSTCHILD ? 1 : count, end);
            }
            // Beyond the client area the window's own object knows the way.
            return Nothing(end);
        }
        long next = start.lVal;
        if (direction == NAVDIR_NEXT || direction == NAVDIR_DOWN) {
            ++next;
        } else if (direction == NAVDIR_PREVIOUS || direction == NAVDIR_UP) {
            --next;
        } else {
            return Nothing(end);
        }
        return next >= 1 && next <= count ? Number(next, end) : Nothing(end);
    });
}

HRESULT AccessibleForm::accHitTest(long x, long y, VARIANT* child) {
    return Connected([&] {
        POINT point{x, y};
        ScreenToClient(window_, &point);
        RECT client;
        GetClientRect(window_, &client);
        if (!PtInRect(&client, point)) {
            return Nothing(child);
        }
        const AccessibleItems items = form_->Accessibles();
        for (std::size_t i = 0; i < items.size(); ++i) {
            const RECT area = RectInForm(*items[i].area, scale_);
            if (PtInRect(&area, point)) {
                return Number(ChildId(i), child);
            }
        }
        return Number(CHILDID_SELF, child);
    });
}

HRESULT AccessibleForm::accDoDefaultAction(VARIANT child) {
    return AboutChild(child, [&](const Target& target) {
        if (target.self) {
            return DISP_E_MEMBERNOTFOUND;
        }
        click_(*target.item.target);
        return S_OK;
    });
}

HRESULT AccessibleForm::put_accName(VARIANT, BSTR) {
    return E_NOTIMPL;
}

HRESULT AccessibleForm::put_accValue(VARIANT, BSTR) {
    return E_NOTIMPL;
}

}  // namespace startart::win32
