// Forms as top-level windows.
// Needs: user32, gdi32.
#include "form_window.h"

#include <windowsx.h>

#include <algorithm>
#include <ranges>

#include "command_button.h"
#include "gdi.h"
#include "oleacc_library.h"
#include "surface.h"
#include "text.h"
#include "win32_picture.h"
#include "win32_platform.h"
#include "windowless_control.h"

namespace startart::win32 {
namespace {

// Posted by Activate: a window is activated only once the message that asked
// for it (possibly a WM_ACTIVATE of another window) has been handled.
constexpr UINT kActivateMessage = WM_APP + 1;

}  // namespace

FrameStyles StylesOf(FormBorderStyle border) {
    constexpr DWORD kCommon = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    if (border == FormBorderStyle::kFixedToolWindow) {
        return {kCommon, WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE};
    }
    return {kCommon, WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE};
}

FormWindow::FormWindow(Win32Platform& platform, ATOM windowClass, Form& form) : Window(platform), form_(form) {
    const FormDefinition& definition = form.WindowDefinition();
    FrameStyles styles = StylesOf(definition.borderStyle);
    if (definition.showInTaskbar) {
        styles.exStyle |= WS_EX_APPWINDOW;
    }
    Create(styles.exStyle, windowClass, Widen(form.Caption()), styles.style, form.Bounds(), nullptr);
    AcceptRealBounds();
    ApplyIcon();
}

FormWindow::~FormWindow() {
    if (accessible_) {
        accessible_->Disconnect();
    }
}

void FormWindow::AcceptRealBounds() {
    RECT real;
    GetWindowRect(Handle(), &real);
    const PixelRect bounds{real.left, real.top, real.right - real.left, real.bottom - real.top};
    if (bounds != form_.Bounds()) {
        form_.AcceptWindowBounds(bounds);
    }
}

void FormWindow::Update(Property changed) {
    switch (changed) {
        case Property::kBounds: {
            const PixelRect bounds = form_.Bounds();
            SetWindowPos(Handle(), nullptr, bounds.left, bounds.top, bounds.width, bounds.height,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            // Windows holds a captioned window to about the screen and its
            // frame; the form's arithmetic must work on what it holds.
            AcceptRealBounds();
            break;
        }
        case Property::kVisible:
            if (form_.Visible()) {
                SyncWaiting();
                ShowWindow(Handle(), SW_SHOW);
                UpdateWindow(Handle());
            } else {
                ShowWindow(Handle(), SW_HIDE);
            }
            break;
        case Property::kEnabled:
            EnableWindow(Handle(), form_.Enabled());
            break;
        case Property::kCaption:
            SetWindowTextW(Handle(), Widen(form_.Caption()).c_str());
            break;
        case Property::kIcon:
            ApplyIcon();
            break;
        case Property::kBackColor:
            InvalidateRect(Handle(), nullptr, FALSE);
            break;
        default:
            break;
    }
}

void FormWindow::ApplyIcon() {
    const Win32Picture* picture = PictureOf(form_.Icon());
    UniqueIcon big = picture ? picture->MakeIcon(GetSystemMetrics(SM_CXICON)) : UniqueIcon();
    UniqueIcon small = picture ? picture->MakeIcon(GetSystemMetrics(SM_CXSMICON)) : UniqueIcon();
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
    bigIcon_ = std::move(big);
    smallIcon_ = std::move(small);
}

void FormWindow::Activate() {
    PostMessageW(Handle(), kActivateMessage, 0, 0);
}

void FormWindow::AccessibleFocusMoved(int item) {
    // Child 0 is the client area itself.
    NotifyWinEvent(EVENT_OBJECT_FOCUS, Handle(), OBJID_CLIENT, item + 1);
}

bool FormWindow::HasDialogKeys() const {
    return std::ranges::any_of(form_.Controls(),
                               [](const auto& control) { return control->Kind() == ControlKind::kCommandButton; });
}

void FormWindow::StartTimer(Timer& timer, UINT interval) {
    const auto id = reinterpret_cast<UINT_PTR>(&timer);
    timers_[id] = &timer;
    SetTimer(Handle(), id, interval, nullptr);
}

void FormWindow::StopTimer(Timer& timer) {
    const auto id = reinterpret_cast<UINT_PTR>(&timer);
    if (timers_.erase(id) > 0) {
        KillTimer(Handle(), id);
    }
}

void FormWindow::InvalidateArea(const PixelRect& area) {
    const RECT rect = ToRect(area);
    InvalidateRect(Handle(), &rect, FALSE);
}

void FormWindow::OnPaint() {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(Handle(), &paint);
    const RECT& area = paint.rcPaint;
    const PixelSize size{area.right - area.left, area.bottom - area.top};
    if (size.width > 0 && size.height > 0) {
        // Drawn off screen and copied in one go: the background never shows
        // alone where the picture is about to be.
        Surface buffer;
        buffer.Resize(size);
        const HDC canvas = buffer.Dc();
        SetViewportOrgEx(canvas, -area.left, -area.top, nullptr);
        const UniqueBrush background(CreateSolidBrush(ToColorRef(form_.BackColor())));
        FillRect(canvas, &area, background.get());
        // Back to front, so the control listed first ends up on top.
        for (const auto& control : form_.Controls() | std::views::reverse) {
            auto* windowless = dynamic_cast<WindowlessControl*>(control->Peer());
            if (windowless && control->Visible()) {
                windowless->Paint(canvas, form_.BackColor());
            }
        }
        SetViewportOrgEx(canvas, 0, 0, nullptr);
        BitBlt(dc, area.left, area.top, size.width, size.height, canvas, 0, 0, SRCCOPY);
    }
    EndPaint(Handle(), &paint);
}

Control& FormWindow::TargetAt(LPARAM lParam) const {
    Control* control = form_.WindowlessControlAt(PixelPoint{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    return control ? *control : form_;
}

void FormWindow::OnMouseMove(LPARAM lParam) {
    Control& target = TargetAt(lParam);
    Raise([&target] { target.RaiseMouseMove(); });
}

void FormWindow::OnButtonDown(LPARAM lParam) {
    pressed_ = &TargetAt(lParam);
    SetCapture(Handle());
}

void FormWindow::OnButtonUp(LPARAM lParam) {
    Control* pressed = std::exchange(pressed_, nullptr);
    ReleaseCapture();
    RECT client;
    GetClientRect(Handle(), &client);
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (pressed && PtInRect(&client, point) && &TargetAt(lParam) == pressed) {
        Raise([pressed] { pressed->RaiseClick(); });
    }
}

void FormWindow::OnKeyDown(WPARAM key) {
    static constexpr std::pair<WPARAM, Key> kKeys[] = {
        {VK_UP, Key::kUp},        {VK_DOWN, Key::kDown},   {VK_TAB, Key::kTab},
        {VK_RETURN, Key::kEnter}, {VK_SPACE, Key::kSpace}, {VK_ESCAPE, Key::kEscape},
    };
    const auto found = std::ranges::find(kKeys, key, &std::pair<WPARAM, Key>::first);
    if (found != std::end(kKeys)) {
        const Key pressed = found->second;
        const bool shift = GetKeyState(VK_SHIFT) < 0;
        Form& form = form_;
        Raise([&form, pressed, shift] { form.RaiseKeyDown(pressed, shift); });
    }
}

IAccessible* FormWindow::AccessibleObject() {
    const Oleacc* oleacc = form_.Accessibles().empty() ? nullptr : Oleacc::Get();
    if (oleacc && !accessible_) {
        const auto click = [this](Control& control) { Raise([&control] { control.RaiseClick(); }); };
        *accessible_.Put() = new AccessibleForm(Handle(), form_, click, *oleacc);
    }
    return accessible_.Get();
}

std::optional<LRESULT> FormWindow::OnGetObject(WPARAM wParam, LPARAM lParam) {
    IAccessible* accessible = static_cast<LONG>(lParam) == OBJID_CLIENT ? AccessibleObject() : nullptr;
    if (!accessible) {
        return std::nullopt;
    }
    return Oleacc::Get()->ResultFromObject(IID_IAccessible, wParam, accessible);
}

void FormWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
    // Esc in the window: the cancel button.
    if (!lParam && LOWORD(wParam) == IDCANCEL) {
        Form& form = form_;
        Raise([&form] { form.RaiseKeyDown(Key::kEscape, false); });
        return;
    }
    // A click of a button, or Enter in the window: the focused button.
    const bool clicked = HIWORD(wParam) == BN_CLICKED && lParam;
    const HWND source = clicked ? reinterpret_cast<HWND>(lParam) : GetFocus();
    if (!clicked && LOWORD(wParam) != IDOK) {
        return;
    }
    if (CommandButton* button = CommandButtonWindow::ButtonOf(source)) {
        Raise([button] { button->RaiseClick(); });
    }
}

void FormWindow::OnTimer(WPARAM id) {
    const auto timer = timers_.find(id);
    if (timer != timers_.end()) {
        Timer* ticking = timer->second;
        Raise([ticking] { ticking->RaiseTimer(); });
    }
}

HWND FormWindow::FirstTabStop() const {
    const Control* first = nullptr;
    for (const auto& control : form_.Controls()) {
        const HWND window = WindowOf(control.get());
        const bool canFocus =
            window && (GetWindowLongPtrW(window, GWL_STYLE) & WS_TABSTOP) && control->Visible() && control->Enabled();
        if (canFocus && (!first || control->TabIndex() < first->TabIndex())) {
            first = control.get();
        }
    }
    return WindowOf(first);
}

void FormWindow::OnActivate(WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        focus_ = IsChild(Handle(), focus) ? focus : nullptr;
        return;
    }
    const HWND focus = focus_ && IsChild(Handle(), focus_) ? focus_ : FirstTabStop();
    SetFocus(focus ? focus : Handle());
    // Enter clicks the focused button, so it shows as the default one.
    if (CommandButtonWindow::ButtonOf(focus)) {
        SendMessageW(focus, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    }
    Form& form = form_;
    Raise([&form] { form.RaiseActivate(); });
}

LRESULT FormWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_CLOSE: {
            // The form decides whether and how it goes.
            Form& form = form_;
            Raise([&form] { form.RaiseCloseRequest(); });
            return 0;
        }
        case WM_ACTIVATE:
            OnActivate(wParam);
            return 0;
        case WM_SETFOCUS: {
            Form& form = form_;
            Raise([&form] { form.RaiseGotFocus(); });
            return 0;
        }
        case kActivateMessage:
            if (IsWindowVisible(Handle())) {
                SetForegroundWindow(Handle());
                SetActiveWindow(Handle());
            }
            return 0;
        case WM_MOUSEMOVE:
            OnMouseMove(lParam);
            return 0;
        case WM_LBUTTONDOWN:
            OnButtonDown(lParam);
            return 0;
        case WM_LBUTTONUP:
            OnButtonUp(lParam);
            return 0;
        case WM_CAPTURECHANGED:
            pressed_ = nullptr;
            return 0;
        case WM_COMMAND:
            OnCommand(wParam, lParam);
            return 0;
        case WM_KEYDOWN:
            OnKeyDown(wParam);
            return 0;
        case WM_GETOBJECT:
            if (const auto answer = OnGetObject(wParam, lParam)) {
                return *answer;
            }
            return Window::OnMessage(message, wParam, lParam);
        case WM_TIMER:
            OnTimer(wParam);
            return 0;
        default:
            return Window::OnMessage(message, wParam, lParam);
    }
}

}  // namespace startart::win32
