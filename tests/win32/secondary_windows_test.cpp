// The information window and the reader notice on real windows, opened the
// way the user opens them: the notice by a PDF button while no reader is
// registered, the information window by the title picture. What they show,
// where they stand, what their buttons start, how they close, the lock they
// put on the menu and where the activation goes while they are open.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "handles.h"
#include "running_menu.h"
#include "window_peers/window.h"
#include "windows/information_window.h"
#include "windows/reader_notice.h"

namespace startart::win32 {
namespace {

using testing::RecordedLines;
using testing::RunningMenu;

std::wstring TextOf(HWND window) {
    wchar_t text[64] = {};
    GetWindowTextW(window, text, 64);
    return text;
}

LOGFONTW FontOf(HWND window) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

// Twice the centre of a window's outer rectangle, so that no half pixel is lost.
POINT DoubleCentre(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return POINT{rect.left + rect.right, rect.top + rect.bottom};
}

class SecondaryWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { testing::InstallStandIns(); }

    HWND Main() const { return WindowOf(&menu_.MainWindow()); }
    InformationWindow& Information() { return menu_.InformationWindow(); }
    ReaderNotice& Notice() { return menu_.ReaderNotice(); }

    // Every button of the column is a PDF document, and no reader is
    // registered in the test prefix.
    bool OpenNotice() {
        const RECT button = menu_.ButtonRect(0);
        menu_.Click(Main(), button.left + 5, button.top + 5);
        return menu_.PumpUntil([this] { return GetActiveWindow() == WindowOf(&Notice()); });
    }
    // The title picture stays enabled while the notice is open.
    bool OpenInformation() {
        menu_.Click(Main(), 100, 100);
        return menu_.PumpUntil([this] { return GetActiveWindow() == WindowOf(&Information()); });
    }

    std::filesystem::path setupLog_;
    // The installer command is stored as "reader\setup.exe": relative to the
    // medium, the menu's current directory.
    RunningMenu menu_{WithAHomepageQuery(), [this](const testing::TempFolder& medium) {
                          setupLog_ = testing::CopyRecorder(medium / "reader" / "setup.exe");
                      }};

  private:
    static SettingsFile WithAHomepageQuery() {
        SettingsFile settings = testing::MediumSettings();
        settings.info.home_url = testing::kAddressWithQuery;
        return settings;
    }
};

TEST_F(SecondaryWindowTest, TheNoticeShowsItsCaptionVersionAndBoldSystemButtons) {
    ASSERT_TRUE(OpenNotice());
    const HWND window = WindowOf(&Notice());
    EXPECT_EQ(TextOf(window), L"Wichtiger Hinweis");
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 5310 / 15);
    EXPECT_EQ(client.bottom, 3390 / 15);
    EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_NE(Notice().Label2.Caption().find("\r\n\r\n11.0\r\n\r\n"), std::string::npos);

    const HWND install = WindowOf(&Notice().Command1);
    const HWND cancel = WindowOf(&Notice().Command2);
    EXPECT_EQ(TextOf(install), L"Installieren");
    EXPECT_EQ(TextOf(cancel), L"Abbrechen");
    for (const HWND button : {install, cancel}) {
        const LOGFONTW font = FontOf(button);
        EXPECT_STREQ(font.lfFaceName, L"System");
        EXPECT_EQ(font.lfWeight, FW_BOLD);
    }
    EXPECT_TRUE(menu_.PumpUntil([&] { return GetFocus() == install; }));
}

TEST_F(SecondaryWindowTest, BothWindowsStandCentredOnTheMenu) {
    ASSERT_TRUE(OpenNotice());
    ASSERT_TRUE(OpenInformation());
    const POINT menu = DoubleCentre(Main());
    for (const HWND window : {WindowOf(&Notice()), WindowOf(&Information())}) {
        const POINT centre = DoubleCentre(window);
        EXPECT_LE(std::abs(centre.x - menu.x), 1) << TextOf(window);
        EXPECT_LE(std::abs(centre.y - menu.y), 1) << TextOf(window);
    }
}

TEST_F(SecondaryWindowTest, TheirButtonsStartTheHomepageAndTheInstallerAsOftenAsClicked) {
    const testing::RegisteredBrowser browser(menu_.Medium() / "Browser" / "browser.exe");
    ASSERT_TRUE(OpenNotice());
    ASSERT_TRUE(OpenInformation());
    for (int click = 0; click < 2; ++click) {
        menu_.Click(WindowOf(&Information().Command2), 5, 5);
        menu_.Click(WindowOf(&Notice().Command1), 5, 5);
    }
    const std::string homepage = browser.Recorded(testing::kAddressWithQuery);
    EXPECT_EQ(RecordedLines(browser.Log(), 2), homepage + homepage);
    EXPECT_FALSE(std::filesystem::exists(testing::StandInLog("explorer")));
    // The installer comes up minimized.
    EXPECT_EQ(RecordedLines(setupLog_, 2), "reader\\setup.exe\t2\nreader\\setup.exe\t2\n");
    EXPECT_TRUE(Information().Loaded());
    EXPECT_TRUE(Notice().Loaded());
    EXPECT_TRUE(menu_.Platform().messages.empty());
}

TEST_F(SecondaryWindowTest, EveryWayOfClosingUnloadsTheWindowAndUnlocksTheMenu) {
    const struct {
        const char* name;
        std::function<void(HWND window, HWND leave)> close;
    } ways[] = {
        {"its button", [this](HWND, HWND leave) { menu_.Click(leave, 5, 5); }},
        {"WM_CLOSE", [](HWND window, HWND) { PostMessageW(window, WM_CLOSE, 0, 0); }},
        {"the close box", [](HWND window, HWND) { PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    const int faces = menu_.MainWindow().settings.menu.anzahl;
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        ASSERT_TRUE(OpenNotice());
        EXPECT_EQ(menu_.ButtonsTakingTheHighlight(), 0);
        way.close(WindowOf(&Notice()), WindowOf(&Notice().Command2));
        ASSERT_TRUE(menu_.PumpUntil([this] { return !Notice().Loaded(); }));
        EXPECT_EQ(menu_.ButtonsTakingTheHighlight(), faces);

        // The information window, alone, from the title picture.
        ASSERT_TRUE(OpenInformation());
        EXPECT_EQ(menu_.ButtonsTakingTheHighlight(), 0);
        way.close(WindowOf(&Information()), WindowOf(&Information().Command1));
        ASSERT_TRUE(menu_.PumpUntil([this] { return !Information().Loaded(); }));
        EXPECT_EQ(menu_.ButtonsTakingTheHighlight(), faces);
        EXPECT_EQ(testing::VisibleWindowsOfThisThread(), 1);
    }
}

TEST_F(SecondaryWindowTest, TheMenuStaysLockedUntilTheLastWindowCloses) {
    const int faces = menu_.MainWindow().settings.menu.anzahl;
    for (const bool noticeFirst : {true, false}) {
        SCOPED_TRACE(noticeFirst ? "notice closed first" : "information closed first");
        ASSERT_TRUE(OpenNotice());
        ASSERT_TRUE(OpenInformation());
        Form& first = noticeFirst ? static_cast<Form&>(Notice()) : Information();
        Form& last = noticeFirst ? static_cast<Form&>(Information()) : Notice();
        PostMessageW(WindowOf(&first), WM_CLOSE, 0, 0);
        ASSERT_TRUE(menu_.PumpUntil([&] { return !first.Loaded(); }));
        EXPECT_EQ(menu_.ButtonsTakingTheHighlight(), 0);
        PostMessageW(WindowOf(&last), WM_CLOSE, 0, 0);
        ASSERT_TRUE(menu_.PumpUntil([&] { return !last.Loaded(); }));
        EXPECT_EQ(menu_.ButtonsTakingTheHighlight(), faces);
    }
}

// Counts the activations of the thread's windows, to tell a settled
// activation from one that passes back and forth.
class ActivationCount {
  public:
    ActivationCount() : hook_(SetWindowsHookExW(WH_CALLWNDPROC, &Hook, nullptr, GetCurrentThreadId())) { count_ = 0; }
    int Value() const { return count_; }

  private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && sent->message == WM_ACTIVATE && LOWORD(sent->wParam) != WA_INACTIVE) {
            ++count_;
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline int count_ = 0;
    UniqueHandle<NullIsInvalid<HHOOK, UnhookWindowsHookEx>> hook_;
};

class ActivationTest : public SecondaryWindowTest {
  protected:
    // The activation reaches the window and then stays with it: no further
    // activation while the messages are handled a while longer.
    void ExpectSettlesOn(HWND window) {
        ASSERT_TRUE(menu_.PumpUntil([&] { return GetActiveWindow() == window; })) << TextOf(window);
        const int reached = activations_.Value();
        menu_.PumpFor(std::chrono::milliseconds(500));
        EXPECT_EQ(activations_.Value(), reached) << TextOf(window);
        EXPECT_EQ(GetActiveWindow(), window);
        EXPECT_EQ(GetForegroundWindow(), window);
    }

    // Clicks with the mouse, waits for the activations the click causes at
    // the least, and gives the number it took until the activation settled.
    int ClickUntilSettled(HWND window, POINT at, int atLeast, HWND settled) {
        SCOPED_TRACE(TextOf(window) + L" " + std::to_wstring(at.x));
        const int before = activations_.Value();
        menu_.ClickWithMouse(window, at.x, at.y);
        EXPECT_TRUE(menu_.PumpUntil([&] { return activations_.Value() - before >= atLeast; }));
        ExpectSettlesOn(settled);
        return activations_.Value() - before;
    }

    // A point of the menu's background, between the title picture and the
    // button column.
    POINT Background() const {
        const RECT frame = menu_.ButtonRect(0);
        return POINT{frame.left - 3, frame.top + 5};
    }

    ActivationCount activations_;
};

TEST_F(ActivationTest, AClickIntoTheMenuHandsTheActivationBackToTheNotice) {
    ASSERT_TRUE(OpenNotice());
    const HWND notice = WindowOf(&Notice());
    ExpectSettlesOn(notice);
    // The menu takes the activation, and the notice takes it back.
    EXPECT_LE(ClickUntilSettled(Main(), Background(), 2, notice), 4);
}

TEST_F(ActivationTest, TwoOpenWindowsLeaveTheActivationWhereTheUserPutsIt) {
    ASSERT_TRUE(OpenNotice());
    const HWND notice = WindowOf(&Notice());
    ExpectSettlesOn(notice);
    // The title picture, clicked while the notice is open: the notice takes
    // the activation back from the menu, then the new window takes it.
    const int before = activations_.Value();
    menu_.ClickWithMouse(Main(), 100, 100);
    ASSERT_TRUE(menu_.PumpUntil([this] { return Information().Loaded(); }));
    const HWND information = WindowOf(&Information());
    ExpectSettlesOn(information);
    EXPECT_LE(activations_.Value() - before, 4);

    EXPECT_LE(ClickUntilSettled(notice, POINT{20, 20}, 1, notice), 2);
    // The information window now lies wholly behind the larger notice, out
    // of the mouse's reach: it is activated the way another program would.
    const int activating = activations_.Value();
    SetForegroundWindow(information);
    ExpectSettlesOn(information);
    EXPECT_LE(activations_.Value() - activating, 2);
    // From the menu to the notice, which goes first.
    EXPECT_LE(ClickUntilSettled(Main(), Background(), 2, notice), 4);
}

// Another program's window, in the foreground until this goes.
class OtherProgram {
  public:
    OtherProgram() {
        std::wstring commandLine = L"\"" + (testing::TestProgramFolder() / "other-program.exe").wstring() + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started{};
        if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                           &started)) {
            process_.reset(started.hProcess);
            CloseHandle(started.hThread);
            id_ = started.dwProcessId;
        }
    }
    ~OtherProgram() {
        if (process_) {
            TerminateProcess(process_.get(), 0);
            WaitForSingleObject(process_.get(), 5000);
        }
    }
    OtherProgram(const OtherProgram&) = delete;
    OtherProgram& operator=(const OtherProgram&) = delete;

    bool InForeground() const {
        DWORD owner = 0;
        GetWindowThreadProcessId(GetForegroundWindow(), &owner);
        return id_ != 0 && owner == id_;
    }

  private:
    UniqueKernelHandle process_;
    DWORD id_ = 0;
};

// Whether `front` lies above `behind` among the top-level windows.
bool InFrontOf(HWND front, HWND behind) {
    for (HWND window = GetWindow(behind, GW_HWNDPREV); window; window = GetWindow(window, GW_HWNDPREV)) {
        if (window == front) {
            return true;
        }
    }
    return false;
}

TEST_F(ActivationTest, BackFromAnotherProgramAClickIntoTheMenuBringsTheNoticeToTheFront) {
    ASSERT_TRUE(OpenNotice());
    const HWND notice = WindowOf(&Notice());
    ExpectSettlesOn(notice);
    const OtherProgram other;
    ASSERT_TRUE(menu_.PumpUntil([&] { return other.InForeground(); }));
    EXPECT_LE(ClickUntilSettled(Main(), Background(), 2, notice), 4);
    EXPECT_TRUE(InFrontOf(notice, Main()));
}

}  // namespace
}  // namespace startart::win32
