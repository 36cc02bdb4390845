// The real menu in this process on a medium of its own, for the Win32 tests and the hover benchmark.
#include "running_menu.h"

#include <cstdlib>

#include "config/record_codec.h"
#include "paint/form_layers.h"
#include "paint/gdi.h"
#include "sample_settings.h"
#include "window_peers/form_window.h"
#include "window_peers/window.h"

namespace startart::win32::testing {

SettingsFile MediumSettings() {
    SettingsFile file = startart::testing::SampleSettings();
    // The title picture serves as the icon, so a medium needs two pictures.
    file.menu.icon = file.menu.titelbild;
    file.menu.laufweite = 0;
    return file;
}

void WriteMedium(const TempFolder& folder, const SettingsFile& settings) {
    WriteBytes(folder / "st.art", EncodeSettingsFile(settings));
    WriteBmp(folder / "titel.bmp", 64, 48, [](int x, int y) { return kTitleQuarters[(y >= 24) * 2 + (x >= 32)]; });
    const int width = settings.menu.breite > 0 ? settings.menu.breite : 1;
    const int height = settings.menu.hoehe > 0 ? settings.menu.hoehe : 1;
    WriteBmp(folder / "knopf.bmp", 5 * width, 4 * height, [height](int, int y) { return kButtonRows[y / height]; });
}

void RecordingPlatform::ShowMessage(const std::string& text, const std::string& caption) {
    messages.push_back(Message{text, caption, VisibleWindowsOfThisThread()});
}

RunningMenu::RunningMenu(const SettingsFile& settings, const std::function<void(const TempFolder&)>& prepare)
    : currentDirectory_(folder_.Path()), platform_(folder_.Utf8()), app_(platform_) {
    WriteMedium(folder_, settings);
    if (prepare) {
        prepare(folder_);
    }
    platform_.Barrier().Run([this] { app_.Start(); });
    PumpFor(std::chrono::milliseconds(200));
}

bool RunningMenu::PumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        // The time is up also while messages keep coming: windows that pass
        // the activation back and forth never leave the queue empty.
        MSG message;
        while (!exitStatus_ && std::chrono::steady_clock::now() <= end &&
               PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                exitStatus_ = static_cast<int>(message.wParam);
                break;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

void RunningMenu::PumpFor(std::chrono::milliseconds duration) {
    PumpUntil([] { return false; }, duration);
}

void RunningMenu::Click(HWND window, int x, int y) {
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    PumpFor(std::chrono::milliseconds(50));
}

void RunningMenu::PointAt(HWND window, int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    // From a pixel beside it: a pointer that is already there (an earlier
    // test left it there) would not move.
    SetCursorPos(point.x + 1, point.y + 1);
    SetCursorPos(point.x, point.y);
    PumpFor(std::chrono::milliseconds(300));
}

void RunningMenu::ClickWithMouse(HWND window, int x, int y) {
    PointAt(window, x, y);
    INPUT buttons[2] = {};
    buttons[0].type = INPUT_MOUSE;
    buttons[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    buttons[1].type = INPUT_MOUSE;
    buttons[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, buttons, sizeof(INPUT));
    PumpFor(std::chrono::milliseconds(300));
}

RECT RunningMenu::ButtonRect(int index) const {
    const startart::MainWindow& form = MainWindow();
    return RectInForm(form.Picture2(index), dynamic_cast<const FormWindow&>(*form.Peer()).Scale());
}

int RunningMenu::ButtonsTakingTheHighlight() {
    startart::MainWindow& form = MainWindow();
    const HWND main = WindowOf(&form);
    const auto move = [&](int x, int y) {
        PostMessageW(main, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
        PumpFor(std::chrono::milliseconds(20));
    };
    int taking = 0;
    for (int i = 0; i < form.settings.menu.anzahl; ++i) {
        const RECT button = ButtonRect(i);
        // The background, just left of the column.
        move(button.left - 3, button.top);
        move(button.left + 5, button.top + 5);
        taking += form.ButtonHighlight().Asked() == i ? 1 : 0;
    }
    return taking;
}

namespace {

BOOL CALLBACK CountWindow(HWND window, LPARAM counts) {
    auto* count = reinterpret_cast<std::pair<int, int>*>(counts);
    ++count->first;
    count->second += IsWindowVisible(window) ? 1 : 0;
    return TRUE;
}

std::pair<int, int> CountWindows() {
    std::pair<int, int> counts;
    EnumThreadWindows(GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&counts));
    return counts;
}

}  // namespace

int VisibleWindowsOfThisThread() {
    return CountWindows().second;
}

int WindowsOfThisThread() {
    return CountWindows().first;
}

ClientPixels::ClientPixels(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT client;
    GetClientRect(window, &client);
    width_ = client.right;
    height_ = client.bottom;
    pixels_.resize(static_cast<std::size_t>(width_ * height_));
    const WindowDc source(window);
    const UniqueDc memory(CreateCompatibleDC(source.get()));
    const BITMAPINFO info = DibInfo(PixelSize{width_, height_});
    void* bits = nullptr;
    const UniqueBitmap bitmap(CreateDIBSection(memory.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    {
        const Selection selected(memory.get(), bitmap.get());
        BitBlt(memory.get(), 0, 0, width_, height_, source.get(), 0, 0, SRCCOPY);
    }
    GdiFlush();
    const auto* from = static_cast<const std::uint32_t*>(bits);
    for (std::size_t i = 0; i < pixels_.size(); ++i) {
        pixels_[i] = from[i] & 0xFFFFFF;
    }
}

std::uint32_t ClientPixels::At(int x, int y) const {
    return pixels_[static_cast<std::size_t>(y * width_ + x)];
}

bool SimilarColour(std::uint32_t a, std::uint32_t b, int tolerance) {
    for (int shift = 0; shift < 24; shift += 8) {
        if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > tolerance) {
            return false;
        }
    }
    return true;
}

}  // namespace startart::win32::testing
