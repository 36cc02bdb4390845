// Forms as top-level windows.
// Needs: user32, gdi32.
#include "window_peers/form_window.h"

#include <windowsx.h>

#include <algorithm>
#include <iterator>
#include <vector>

#include "access/oleacc_library.h"
#include "paint/form_layers.h"
#include "paint/form_painted.h"
#include "paint/gdi.h"
#include "pictures/win32_picture.h"
#include "text.h"
#include "win32_platform.h"
#include "window_peers/command_button.h"

namespace startart::win32 {
namespace {

// Posted by Activate: a window is activated only once the message that asked
// for it (possibly a WM_ACTIVATE of another window) has been handled.
constexpr UINT kActivateMessage = WM_APP + 1;
// WM_GETDPISCALEDSIZE of Windows 10 1703, which the headers name only for
// programs that need that version.
constexpr UINT kGetDpiScaledSizeMessage = 0x02E4;

// The rectangle held to the work area of its display, in size and then in
// place: a window too large for a small screen at a high scale keeps its
// title bar and its buttons in view, above the taskbar.
RECT HeldOnItsDisplay(const RECT& wanted) {
    MONITORINFO display{};
    display.cbSize = sizeof display;
    if (!GetMonitorInfoW(MonitorFromRect(&wanted, MONITOR_DEFAULTTONEAREST), &display)) {
        return wanted;
    }
    const RECT& work = display.rcWork;
    const LONG width = std::min(wanted.right - wanted.left, work.right - work.left);
    const LONG height = std::min(wanted.bottom - wanted.top, work.bottom - work.top);
    const LONG left = std::clamp(wanted.left, work.left, work.right - width);
    const LONG top = std::clamp(wanted.top, work.top, work.bottom - height);
    return RECT{left, top, left + width, top + height};
}

}  // namespace

FrameStyles StylesOf(FormBorderStyle border) {
    constexpr DWORD kCommon = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    if (border == FormBorderStyle::kFixedToolWindow) {
        return {kCommon, WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE};
    }
    return {kCommon, WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE};
}

FormWindow::FormWindow(Win32Platform& platform, ATOM windowClass, Form& form)
    : Window(platform),
      form_(form),
      scale_(DpiOf(nullptr)),
      hasDialogKeys_(std::ranges::any_of(form.WindowDefinition().controls, [](const ControlDefinition& control) {
          return control.kind == ControlKind::kCommandButton;
      })) {
    const FormDefinition& definition = form.WindowDefinition();
    FrameStyles styles = StylesOf(definition.borderStyle);
    if (definition.showInTaskbar) {
        styles.exStyle |= WS_EX_APPWINDOW;
    }
    Create(styles.exStyle, windowClass, Widen(form.Caption()), styles.style, scale_.ToDevice(form.Bounds()), nullptr);
    // The display the window came up on decides its scale.
    scale_ = DpiScale(DpiOf(Handle()));
    Place();
    ApplyIcon();
}

FormWindow::~FormWindow() {
    if (accessible_) {
        accessible_->Disconnect();
    }
}

void FormWindow::Place() {
    MoveTo(HeldOnItsDisplay(scale_.ToDevice(form_.Bounds())));
}

void FormWindow::MoveTo(const RECT& rect) {
    SetWindowPos(Handle(), nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    AcceptRealBounds();
}

void FormWindow::AcceptRealBounds() {
    RECT real;
    GetWindowRect(Handle(), &real);
    // The form's arithmetic must work on what the window holds.
    const RECT asked = scale_.ToDevice(form_.Bounds());
    if (!EqualRect(&real, &asked)) {
        form_.AcceptWindowBounds(scale_.ToLogical(real));
    }
}

void FormWindow::Update(Property changed) {
    switch (changed) {
        case Property::kBounds:
            Place();
            break;
        case Property::kVisible:
            if (form_.Visible()) {
                GetPlatform().Syncs().SyncWaiting();
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
            InvalidateClientArea();
            break;
        default:
            break;
    }
}

void FormWindow::ApplyIcon() {
    const Win32Picture* picture = PictureOf(form_.Icon());
    UniqueIcon big = picture ? picture->MakeIcon(SystemMetricAt(SM_CXICON, scale_), scale_) : UniqueIcon();
    UniqueIcon small = picture ? picture->MakeIcon(SystemMetricAt(SM_CXSMICON, scale_), scale_) : UniqueIcon();
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

// A timer's id is its address.
void FormWindow::StartTimer(Timer& timer, UINT interval) {
    if (std::ranges::find(timers_, &timer) == timers_.end()) {
        timers_.push_back(&timer);
    }
    SetTimer(Handle(), reinterpret_cast<UINT_PTR>(&timer), interval, nullptr);
}

void FormWindow::StopTimer(Timer& timer) {
    if (std::erase(timers_, &timer) > 0) {
        KillTimer(Handle(), reinterpret_cast<UINT_PTR>(&timer));
    }
}

void FormWindow::InvalidateArea(const RECT& area) {
    // A window already gone would make this the whole screen.
    if (IsRectEmpty(&area) || !Handle()) {
        return;
    }
    backBuffer_.Invalidate(area);
    InvalidateRect(Handle(), &area, FALSE);
}

void FormWindow::InvalidateClientArea() {
    RECT client;
    GetClientRect(Handle(), &client);
    InvalidateArea(client);
}

void FormWindow::OnPaint() {
    const PaintDc screen(Handle());
    RECT client;
    GetClientRect(Handle(), &client);
    const UniqueBrush background(CreateSolidBrush(ToColorRef(form_.BackColor())));
    struct Layer {
        FormPainted* painted;
        RECT shown;
    };
    std::vector<Layer> layers;
    for (const Control* control : PaintOrder(form_)) {
        if (auto* painted = dynamic_cast<FormPainted*>(control->Peer())) {
            layers.push_back(Layer{painted, ShownArea(*control, scale_)});
        }
    }
    backBuffer_.Show(screen, PixelSize{client.right, client.bottom}, [&](HDC canvas, const RECT& area) {
        // What lies beneath the topmost opaque layer that covers the whole
        // area cannot show: a button that changes repaints only its face.
        const auto covering = std::find_if(layers.rbegin(), layers.rend(), [&area](const Layer& layer) {
            const RECT& shown = layer.shown;
            return layer.painted->Opaque() && shown.left <= area.left && shown.top <= area.top &&
                   area.right <= shown.right && area.bottom <= shown.bottom;
        });
        const bool covered = covering != layers.rend();
        if (!covered) {
            FillRect(canvas, &area, background.get());
        }
        for (auto layer = covered ? std::prev(covering.base()) : layers.begin(); layer != layers.end(); ++layer) {
            RECT overlap;
            if (IntersectRect(&overlap, &layer->shown, &area)) {
                layer->painted->Paint(canvas, overlap);
            }
        }
    });
}

Control& FormWindow::TargetAt(LPARAM lParam) const {
    return PointerTarget(form_, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, scale_);
}

void FormWindow::OnMouseMove(LPARAM lParam) {
    // While the button is held, the control it went down on gets every move,
    // wherever the pointer is.
    Control& target = pressed_ ? *pressed_ : TargetAt(lParam);
    Raise([&target] { target.RaiseMouseMove(); });
}

void FormWindow::OnButtonDown(LPARAM lParam) {
    pressed_ = &TargetAt(lParam);
    SetCapture(Handle());
}

void FormWindow::OnButtonUp(LPARAM lParam) {
    Control* pressed = std::exchange(pressed_, nullptr);
    ReleaseCapture();
    if (!pressed) {
        return;
    }
    // A click: released where the control lies, whatever covers it there.
    RECT rect;
    if (pressed == &form_) {
        GetClientRect(Handle(), &rect);
    } else {
        rect = RectInForm(*pressed, scale_);
    }
    if (PtInRect(&rect, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})) {
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
        *accessible_.Put() = new AccessibleForm(Handle(), form_, scale_, click, *oleacc);
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
    const auto timer = std::ranges::find(timers_, id, [](const Timer* t) { return reinterpret_cast<UINT_PTR>(t); });
    if (timer != timers_.end()) {
        Timer* ticking = *timer;
        Raise([ticking] { ticking->RaiseTimer(); });
    }
}

LRESULT FormWindow::OnGetDpiScaledSize(WPARAM dpi, SIZE* size) const {
    // The form keeps its logical size: the window is that size scaled, not
    // its client area, whose frame grows by other rules.
    const RECT rect = DpiScale(static_cast<int>(dpi)).ToDevice(form_.Bounds());
    *size = SIZE{rect.right - rect.left, rect.bottom - rect.top};
    return TRUE;
}

void FormWindow::OnDpiChanged(int dpi, const RECT& suggested) {
    scale_ = DpiScale(dpi);
    MoveTo(suggested);
    // Every control lies elsewhere on the device now, and draws with fonts
    // and pictures made for the new DPI.
    for (const auto& control : form_.Controls()) {
        if (ControlPeer* peer = control->Peer()) {
            peer->Update(Property::kBounds);
            peer->Update(Property::kFont);
        }
    }
    GetPlatform().Syncs().SyncWaiting();
    ApplyIcon();
    InvalidateClientArea();
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
        case kGetDpiScaledSizeMessage:
            return OnGetDpiScaledSize(wParam, reinterpret_cast<SIZE*>(lParam));
        case WM_DPICHANGED:
            OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        default:
            return Window::OnMessage(message, wParam, lParam);
    }
}

}  // namespace startart::win32
