// A failure in the platform's own code, in a window message or in showing
// what a handler changed, is the program's run-time error: reported in its
// message box, and the program ends with the error's status.
#include <windows.h>

#include <gtest/gtest.h>

#include <new>
#include <optional>

#include "basic/program_end.h"
#include "running_menu.h"
#include "win32_platform.h"
#include "window_peers/deferred_sync.h"
#include "window_peers/window.h"

namespace startart::win32 {
namespace {

constexpr UINT kFailHere = WM_APP;
constexpr UINT kFailInSync = WM_APP + 1;

class FailingSync : public DeferredSync {
  public:
    explicit FailingSync(SyncQueue& syncs) : DeferredSync(syncs) {}
    void Request() { RequestSync(); }

  private:
    void Sync() override { throw std::bad_alloc(); }
};

class FailingWindow : public Window {
  public:
    explicit FailingWindow(Win32Platform& platform) : Window(platform), sync_(platform.Syncs()) {
        static const ATOM windowClass = RegisterWindowClass(GetModuleHandleW(nullptr), L"StartartFailingWindow");
        Create(0, windowClass, L"", WS_POPUP, RECT{}, nullptr);
    }

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kFailHere) {
            throw std::bad_alloc();
        }
        if (message == kFailInSync) {
            Raise([this] { sync_.Request(); });
            return 0;
        }
        return Window::OnMessage(message, wParam, lParam);
    }

  private:
    FailingSync sync_;
};

// The status the program's message loop would end with.
std::optional<int> QuitStatus() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            return static_cast<int>(message.wParam);
        }
        DispatchMessageW(&message);
    }
    return std::nullopt;
}

TEST(PlatformFailure, IsTheProgramsRunTimeErrorWhereverItHappens) {
    for (const UINT failing : {kFailHere, kFailInSync}) {
        SCOPED_TRACE(failing == kFailHere ? "in a window message" : "in showing a handler's changes");
        testing::TempFolder folder;
        testing::RecordingPlatform platform(folder.Utf8());
        {
            FailingWindow window(platform);
            SendMessageW(window.Handle(), failing, 0, 0);
            EXPECT_EQ(QuitStatus(), static_cast<int>(ExitStatus::kRuntimeError));
        }
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, "Laufzeitfehler '7':\r\n\r\nNicht genügend Speicher");
        EXPECT_TRUE(platform.Barrier().Ending());
    }
}

}  // namespace
}  // namespace startart::win32
