// Command buttons as BUTTON children.
// Needs: user32, gdi32.
#include "window_peers/command_button.h"

#include <stdexcept>

#include "paint/form_layers.h"
#include "paint/gdi.h"
#include "text.h"
#include "window_peers/form_window.h"

namespace startart::win32 {
namespace {

// Marks our buttons among other windows, so ButtonOf never misreads a
// window that is not one of them.
constexpr const wchar_t* kButtonProperty = L"startart.CommandButton";

}  // namespace

CommandButtonWindow::CommandButtonWindow(CommandButton& button, const FormWindow& form) : button_(button), form_(form) {
    const RECT rect = RectInForm(button, form.Scale());
    const DWORD style = WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS | BS_PUSHBUTTON | (button.Visible() ? WS_VISIBLE : 0) |
                        (button.Enabled() ? 0 : WS_DISABLED);
    window_.reset(CreateWindowExW(0, L"BUTTON", Widen(button.Caption()).c_str(), style, rect.left, rect.top,
                                  rect.right - rect.left, rect.bottom - rect.top, form.Handle(), nullptr,
                                  GetModuleHandleW(nullptr), nullptr));
    if (!window_) {
        throw std::runtime_error("CreateWindowExW(BUTTON) failed");
    }
    SetPropW(Handle(), kButtonProperty, &button_);
    // Created front to back: each child goes behind the ones before it.
    SetWindowPos(Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ApplyFont();
}

CommandButtonWindow::~CommandButtonWindow() {
    if (window_) {
        RemovePropW(Handle(), kButtonProperty);
    }
}

CommandButton* CommandButtonWindow::ButtonOf(HWND window) {
    return window ? static_cast<CommandButton*>(GetPropW(window, kButtonProperty)) : nullptr;
}

void CommandButtonWindow::Update(Property changed) {
    switch (changed) {
        case Property::kBounds: {
            const RECT rect = RectInForm(button_, form_.Scale());
            SetWindowPos(Handle(), nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        }
        case Property::kVisible:
            ShowWindow(Handle(), button_.Visible() ? SW_SHOWNA : SW_HIDE);
            break;
        case Property::kEnabled:
            EnableWindow(Handle(), button_.Enabled());
            break;
        case Property::kCaption:
            SetWindowTextW(Handle(), Widen(button_.Caption()).c_str());
            break;
        case Property::kFont:
            ApplyFont();
            break;
        default:
            break;
    }
}

void CommandButtonWindow::ApplyFont() {
    UniqueFont font = CreateControlFont(button_.GetFont(), form_.Scale());
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    font_ = std::move(font);
}

}  // namespace startart::win32
