// The launcher through the real menu: a click on a face starts the button's
// target as a real process. Recorder copies stand in for the programs and
// write down the command line and show state they got: write and notepad
// where Windows keeps them (with decoys beside the test program, which must
// not run), the browser that the registry names for web addresses, the PDF
// reader in a folder whose name has spaces, a program on the medium.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

#include "handles.h"
#include "launch/launch_target.h"
#include "running_menu.h"
#include "text.h"
#include "window_peers/window.h"

namespace startart::win32 {
namespace {

using testing::RecordedLines;
using testing::RunningMenu;
using testing::StandInLog;

// One button for each kind of target, and a program that is not there.
constexpr const char* kTargets[] = {
    "doc\\liesmich.rtf",        "setup.ini",           "handbuch.pdf", "programme\\rec.exe",
    testing::kAddressWithQuery, "programme\\fehlt.exe"};
constexpr int kMissingProgram = 5;

SettingsFile LaunchSettings() {
    SettingsFile settings = testing::MediumSettings();
    for (std::size_t i = 0; i < std::size(kTargets); ++i) {
        settings.buttons[i].anw = kTargets[i];
    }
    return settings;
}

class LauncherTest : public ::testing::Test {
  protected:
    void SetUp() override { testing::InstallStandIns(); }

    void ClickButton(int index) {
        const RECT button = menu_.ButtonRect(index);
        menu_.Click(WindowOf(&menu_.MainWindow()), button.left + 5, button.top + 5);
    }

    std::filesystem::path programLog_;
    RunningMenu menu_{LaunchSettings(), [this](const testing::TempFolder& medium) {
                          programLog_ = testing::CopyRecorder(medium / "programme" / "rec.exe");
                      }};
};

TEST_F(LauncherTest, EachKindOfTargetStartsItsCommandLineInANormalWindow) {
    const std::string medium = menu_.Medium().Utf8() + "\\";
    const std::string reader = medium + "Acro Reader\\rd 11.exe";
    const std::filesystem::path readerLog = testing::CopyRecorder(menu_.Medium() / "Acro Reader" / "rd 11.exe");
    const testing::ClassesRootValue entry(Widen(kReaderKey), Widen("\"" + reader + "\""));
    const testing::RegisteredBrowser browser(menu_.Medium() / "Browser" / "browser.exe");

    const struct {
        std::filesystem::path log;
        std::string line;
    } launches[] = {
        {StandInLog("write"), "write \"" + medium + "doc\\liesmich.rtf\"\t1\n"},
        {StandInLog("notepad"), "notepad \"" + medium + "setup.ini\"\t1\n"},
        // The quotes keep the reader's path one program name despite its spaces.
        {readerLog, "\"" + reader + "\" \"" + medium + "handbuch.pdf\"\t1\n"},
        // Relative to the medium, the menu's current directory.
        {programLog_, "programme\\rec.exe\t1\n"},
        // The shell hands the browser the whole address, its query included.
        {browser.Log(), browser.Recorded(testing::kAddressWithQuery)},
    };
    for (int i = 0; i < static_cast<int>(std::size(launches)); ++i) {
        SCOPED_TRACE(kTargets[i]);
        ClickButton(i);
        EXPECT_EQ(RecordedLines(launches[i].log, 1), launches[i].line);
    }
    EXPECT_TRUE(menu_.Platform().messages.empty());
    for (const char* decoy : {"write", "notepad", "explorer"}) {
        EXPECT_FALSE(std::filesystem::exists(testing::DecoyLog(decoy))) << decoy;
    }
    EXPECT_FALSE(std::filesystem::exists(StandInLog("explorer")));
}

// Notepad is an optional feature of Windows and may be gone: an ini file then
// opens with the program associated with its type.
TEST_F(LauncherTest, WithoutNotepadAnIniFileOpensWithTheProgramForItsType) {
    std::filesystem::remove(testing::StandIn("notepad"));
    testing::WriteBytes(menu_.Medium() / "setup.ini", {'[', ']'});
    const std::filesystem::path editor = menu_.Medium() / "Editor" / "editor.exe";
    const std::filesystem::path editorLog = testing::CopyRecorder(editor);
    const testing::ClassesRootValue type(L".ini", L"startart.ini");
    const testing::ClassesRootValue command(L"startart.ini\\shell\\open\\command", testing::OpenCommand(editor));
    ClickButton(1);
    EXPECT_EQ(RecordedLines(editorLog, 1),
              "\"" + Narrow(editor.wstring()) + "\" \"" + menu_.Medium().Utf8() + "\\setup.ini\"\t1\n");
    EXPECT_TRUE(menu_.Platform().messages.empty());
}

// Without WordPad (gone since Windows 11 24H2) and without a program for the
// type, Windows offers its "Open with" dialog. Wine has none and gives
// another reason than Windows would; either way the failure is reported
// with the command line.
TEST_F(LauncherTest, WithoutWriteOrAProgramForTheTypeTheFailureIsReported) {
    std::filesystem::remove(testing::StandIn("write"));
    std::filesystem::create_directories(menu_.Medium() / "doc");
    testing::WriteBytes(menu_.Medium() / "doc" / "liesmich.rtf", {'{', '}'});
    const testing::ClassesRootValue noProgram(L".rtf", L"startart.ohne-programm");
    ClickButton(0);
    ASSERT_EQ(menu_.Platform().messages.size(), 1u);
    EXPECT_THAT(menu_.Platform().messages[0].text,
                ::testing::StartsWith("Der Befehl 'write \"" + menu_.Medium().Utf8() +
                                      "\\doc\\liesmich.rtf\"' konnte nicht ausgeführt werden:\r\n"));
}

TEST_F(LauncherTest, AProgramThatCannotStartIsReportedAndTheMenuGoesOn) {
    ClickButton(kMissingProgram);
    ASSERT_EQ(menu_.Platform().messages.size(), 1u);
    const auto& message = menu_.Platform().messages[0];
    EXPECT_EQ(message.caption, menu_.Platform().ApplicationTitle());
    EXPECT_EQ(message.text,
              "Der Befehl 'programme\\fehlt.exe' konnte nicht ausgeführt werden:\r\n"
              "Das System kann die angegebene Datei nicht finden.");

    const HWND main = WindowOf(&menu_.MainWindow());
    EXPECT_FALSE(menu_.ExitStatus());
    EXPECT_TRUE(IsWindowVisible(main));
    const RECT button = menu_.ButtonRect(2);
    menu_.PointAt(main, button.left + 5, button.top + 5);
    EXPECT_TRUE(menu_.PumpUntil([this] { return menu_.MainWindow().ButtonHighlight().Asked() == 2; }));
    ClickButton(3);
    EXPECT_EQ(RecordedLines(programLog_, 1), "programme\\rec.exe\t1\n");
    EXPECT_EQ(menu_.Platform().messages.size(), 1u);
}

}  // namespace
}  // namespace startart::win32
