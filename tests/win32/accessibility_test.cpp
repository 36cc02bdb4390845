// The menu for people who use a keyboard or a screen reader, on real
// windows: keys sent as a user types them move the highlight (seen in the
// pixels) and start the highlighted button's target, and the window's
// accessible object, asked for as a screen reader asks, names the title
// picture and the buttons, tells their states and presses them.
#include <windows.h>

#include <oleacc.h>

#include <gtest/gtest.h>

#include <vector>

#include "running_menu.h"
#include "window_peers/form_window.h"
#include "window_peers/window.h"

namespace startart::win32 {
namespace {

using testing::RecordedLines;
using testing::RunningMenu;

void Type(WORD key) {
    INPUT strokes[2] = {};
    strokes[0].type = INPUT_KEYBOARD;
    strokes[0].ki.wVk = key;
    strokes[1] = strokes[0];
    strokes[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, strokes, sizeof(INPUT));
}

VARIANT Child(long id) {
    VARIANT child;
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

std::wstring Name(IAccessible& accessible, long id) {
    BSTR name = nullptr;
    EXPECT_EQ(accessible.get_accName(Child(id), &name), S_OK) << id;
    std::wstring text = name ? name : L"";
    SysFreeString(name);
    return text;
}

std::wstring DefaultAction(IAccessible& accessible, long id) {
    BSTR action = nullptr;
    accessible.get_accDefaultAction(Child(id), &action);
    std::wstring text = action ? action : L"";
    SysFreeString(action);
    return text;
}

long Number(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*), IAccessible& accessible, long id) {
    VARIANT value{};
    EXPECT_EQ((accessible.*get)(Child(id), &value), S_OK) << id;
    return value.vt == VT_I4 ? value.lVal : -1;
}

// The focus events of this process's windows, in turn: their child ids.
class FocusEvents {
  public:
    FocusEvents()
        : hook_(SetWinEventHook(EVENT_OBJECT_FOCUS,
                                EVENT_OBJECT_FOCUS,
                                nullptr,
                                &Record,
                                GetCurrentProcessId(),
                                0,
                                WINEVENT_OUTOFCONTEXT)) {
        children_.clear();
    }
    ~FocusEvents() { UnhookWinEvent(hook_); }
    FocusEvents(const FocusEvents&) = delete;
    FocusEvents& operator=(const FocusEvents&) = delete;

    const std::vector<long>& Children() const { return children_; }

  private:
    static void CALLBACK Record(HWINEVENTHOOK, DWORD, HWND, LONG object, LONG child, DWORD, DWORD) {
        if (object == OBJID_CLIENT && child != CHILDID_SELF) {
            children_.push_back(child);
        }
    }

    HWINEVENTHOOK hook_;
    static inline std::vector<long> children_;
};

class AccessibilityTest : public ::testing::Test {
  protected:
    static SettingsFile Settings() {
        SettingsFile settings = testing::MediumSettings();
        settings.buttons[1].anw = "programme\\rec.exe";
        return settings;
    }

    HWND Main() const { return WindowOf(&menu_.MainWindow()); }

    // Whether button i shows its highlighted cell, judged right of its label.
    bool LooksHighlighted(int i) {
        const PixelRect frame = menu_.MainWindow().Picture2(i).Bounds();
        const testing::ClientPixels pixels(Main());
        return testing::NearlyEqual(pixels.At(frame.left + frame.width - 4, frame.top + 3), testing::kButtonRows[1]);
    }

    std::filesystem::path programLog_;
    RunningMenu menu_{Settings(), [this](const testing::TempFolder& medium) {
                          programLog_ = testing::CopyRecorder(medium / "programme" / "rec.exe");
                      }};
};

TEST_F(AccessibilityTest, ArrowsMoveTheHighlightAndEnterStartsTheButtonsTarget) {
    ASSERT_TRUE(
        menu_.PumpUntil([&] { return GetForegroundWindow() == Main() && !menu_.MainWindow().Timer1.Enabled(); }));
    const FocusEvents events;
    Type(VK_DOWN);
    Type(VK_DOWN);
    ASSERT_TRUE(menu_.PumpUntil([&] { return menu_.MainWindow().ButtonHighlight().Asked() == 1; }));
    EXPECT_TRUE(LooksHighlighted(1));
    EXPECT_FALSE(LooksHighlighted(0));
    Type(VK_RETURN);
    menu_.PumpFor(std::chrono::milliseconds(200));
    EXPECT_EQ(RecordedLines(programLog_, 1), "programme\\rec.exe\t1\n");
    // Child 1 is the title picture, then come the buttons.
    EXPECT_TRUE(menu_.PumpUntil([&] { return events.Children() == std::vector<long>{2, 3}; }));
}

TEST_F(AccessibilityTest, TheWindowNamesItsPartsForScreenReadersAndPressesTheirButtons) {
    ASSERT_TRUE(
        menu_.PumpUntil([&] { return GetForegroundWindow() == Main() && !menu_.MainWindow().Timer1.Enabled(); }));
    // Wine cannot marshal the object that WM_GETOBJECT hands out (its
    // LresultFromObject answers E_NOINTERFACE), so the test takes that very
    // object from the window.
    auto* window = dynamic_cast<FormWindow*>(menu_.MainWindow().Peer());
    ASSERT_NE(window, nullptr);
    ASSERT_NE(window->AccessibleObject(), nullptr);
    IAccessible& object = *window->AccessibleObject();
    long children = 0;
    ASSERT_EQ(object.get_accChildCount(&children), S_OK);
    EXPECT_EQ(children, 11);

    EXPECT_EQ(Name(object, 1), L"Demo");
    EXPECT_EQ(Number(&IAccessible::get_accRole, object, 1), ROLE_SYSTEM_GRAPHIC);
    EXPECT_EQ(DefaultAction(object, 1), L"Informationen");
    EXPECT_EQ(Name(object, 3), L"Knopf 1");
    EXPECT_EQ(Number(&IAccessible::get_accRole, object, 3), ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(DefaultAction(object, 3), L"Drücken");

    Type(VK_DOWN);
    Type(VK_DOWN);
    ASSERT_TRUE(menu_.PumpUntil([&] { return menu_.MainWindow().ButtonHighlight().Asked() == 1; }));
    const long focused = STATE_SYSTEM_FOCUSED | STATE_SYSTEM_HOTTRACKED;
    EXPECT_EQ(Number(&IAccessible::get_accState, object, 3) & focused, focused);
    EXPECT_EQ(Number(&IAccessible::get_accState, object, 2) & focused, 0);
    long left = 0, top = 0, width = 0, height = 0;
    ASSERT_EQ(object.accLocation(&left, &top, &width, &height, Child(3)), S_OK);
    EXPECT_EQ(width, 144);
    EXPECT_EQ(height, 40);
    VARIANT hit{};
    ASSERT_EQ(object.accHitTest(left + 5, top + 5, &hit), S_OK);
    EXPECT_EQ(hit.lVal, 3);

    ASSERT_EQ(object.accDoDefaultAction(Child(3)), S_OK);
    EXPECT_EQ(RecordedLines(programLog_, 1), "programme\\rec.exe\t1\n");

    // The title picture's action opens the information window, which locks
    // the buttons.
    ASSERT_EQ(object.accDoDefaultAction(Child(1)), S_OK);
    ASSERT_TRUE(menu_.PumpUntil([&] { return menu_.InformationWindow().Loaded(); }));
    EXPECT_TRUE(Number(&IAccessible::get_accState, object, 3) & STATE_SYSTEM_UNAVAILABLE);
}

}  // namespace
}  // namespace startart::win32
