// The real menu on the Win32 platform, in the test program: a medium written
// into a temporary folder (st.art and BMP pictures) that is the current
// directory while the menu runs, as the program makes its own folder, the
// application started through the event barrier, and the messages pumped
// while a test waits. Message boxes are recorded instead of shown, so no test
// blocks on one.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/application.h"
#include "config/settings.h"
#include "menu/main_window.h"
#include "test_files.h"
#include "win32_platform.h"
#include "windows/information_window.h"
#include "windows/reader_notice.h"

namespace startart::win32::testing {

// The sample settings of every test program, with no extra character
// spacing. The title picture is four coloured quarters and serves as the
// icon too; the button picture has one colour per row.
SettingsFile MediumSettings();

inline constexpr std::uint32_t kTitleQuarters[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00};
// Rows 0 to 3 of the button picture: normal and highlighted of designs 1-5,
// normal and highlighted of designs 6 and up.
inline constexpr std::uint32_t kButtonRows[4] = {0x204080, 0x80C0FF, 0x404040, 0xC0C0C0};

// Writes st.art and the pictures it names.
void WriteMedium(const TempFolder& folder, const SettingsFile& settings);

class RecordingPlatform : public Win32Platform {
  public:
    explicit RecordingPlatform(std::string directory) : directory_(std::move(directory)) {}

    std::string ExecutableDirectory() const override { return directory_; }
    void ShowMessage(const std::string& text, const std::string& caption) override;

    struct Message {
        std::string text;
        std::string caption;
        // Windows of the program that were visible while the message showed.
        int visibleWindows = 0;
    };
    std::vector<Message> messages;

  private:
    std::string directory_;
};

class RunningMenu {
  public:
    // prepare may change the medium before the menu starts.
    explicit RunningMenu(const SettingsFile& settings, const std::function<void(const TempFolder&)>& prepare = nullptr);

    // Handles messages until the condition holds or the time is up; false
    // when it never held.
    bool PumpUntil(const std::function<bool()>& condition,
                   std::chrono::milliseconds timeout = std::chrono::milliseconds(3000));
    void PumpFor(std::chrono::milliseconds duration);

    // A click posted to a window at a point of its client area, and handled:
    // the window gets the button messages whatever lies above it and whether
    // it is enabled or not.
    void Click(HWND window, int x, int y);
    // The pointer itself, moved to a point of a window's client area, so that
    // the system decides which window gets the move.
    void PointAt(HWND window, int x, int y);
    // A click of the left mouse button there, as the user's hand makes it:
    // the system activates windows and routes the buttons.
    void ClickWithMouse(HWND window, int x, int y);

    // Where button i lies in the main window's client area: its frame.
    RECT ButtonRect(int index) const;
    // How many of the configured buttons take the highlight when a move of
    // the pointer reaches them from the background.
    int ButtonsTakingTheHighlight();

    const TempFolder& Medium() const { return folder_; }
    startart::MainWindow& MainWindow() const { return static_cast<startart::MainWindow&>(app_.MainWindow()); }
    startart::InformationWindow& InformationWindow() const {
        return static_cast<startart::InformationWindow&>(app_.InformationWindow());
    }
    startart::ReaderNotice& ReaderNotice() const { return static_cast<startart::ReaderNotice&>(app_.ReaderNotice()); }
    Application& App() { return app_; }
    RecordingPlatform& Platform() { return platform_; }
    // The status given to Quit, once the program has ended.
    std::optional<int> ExitStatus() const { return exitStatus_; }

  private:
    TempFolder folder_;
    CurrentDirectory currentDirectory_;
    RecordingPlatform platform_;
    Application app_;
    std::optional<int> exitStatus_;
};

// Visible top-level windows of this thread.
int VisibleWindowsOfThisThread();
int WindowsOfThisThread();

// The pixels of a window's client area as they are on the screen, 0xRRGGBB.
class ClientPixels {
  public:
    explicit ClientPixels(HWND window);
    std::uint32_t At(int x, int y) const;
    int Width() const { return width_; }
    int Height() const { return height_; }

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

bool SimilarColour(std::uint32_t a, std::uint32_t b, int tolerance);
// The same colour but for a little smoothing.
inline bool NearlyEqual(std::uint32_t a, std::uint32_t b) {
    return SimilarColour(a, b, 8);
}

}  // namespace startart::win32::testing
