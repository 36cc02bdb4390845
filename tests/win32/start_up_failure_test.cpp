// How the menu ends when it cannot start: the run-time error report and the
// settings message, with no window left behind and an exit status that tells
// an error from a normal end. In the test program the message boxes are
// recorded; the last tests run the real program, and one whose paint faults,
// and answer their real boxes.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "answered_program.h"
#include "basic/program_end.h"
#include "menu/read_settings_file.h"
#include "handles.h"
#include "running_menu.h"
#include "text.h"

namespace startart::win32 {
namespace {

using testing::MediumSettings;
using testing::RunningMenu;
using testing::TempFolder;

struct Failure {
    const char* name;
    std::function<void(SettingsFile&)> change;
    std::function<void(const TempFolder&)> prepare;
    std::string message;
    ExitStatus status;
};

void PrintTo(const Failure& failure, std::ostream* out) {
    *out << failure.name;
}

class StartUpFailure : public ::testing::TestWithParam<Failure> {};

TEST_P(StartUpFailure, IsReportedAndEndsTheProgramWithoutAWindow) {
    const Failure& failure = GetParam();
    SettingsFile settings = MediumSettings();
    if (failure.change) {
        failure.change(settings);
    }
    {
        RunningMenu menu(settings, failure.prepare);
        ASSERT_TRUE(menu.PumpUntil([&] { return menu.ExitStatus().has_value(); }));
        EXPECT_EQ(*menu.ExitStatus(), static_cast<int>(failure.status));
        ASSERT_EQ(menu.Platform().messages.size(), 1u);
        const auto& message = menu.Platform().messages[0];
        EXPECT_EQ(message.text, failure.message);
        EXPECT_EQ(message.caption, "win32_window_tests");
        EXPECT_EQ(message.visibleWindows, 0);
    }
    EXPECT_EQ(testing::WindowsOfThisThread(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Causes,
    StartUpFailure,
    ::testing::Values(Failure{"MissingTitlePicture", [](SettingsFile& s) { s.menu.titelbild = "fehlt.bmp"; }, nullptr,
                              "Laufzeitfehler '53':\r\n\r\nDatei nicht gefunden", ExitStatus::kRuntimeError},
                      Failure{"TitlePictureThatIsNone", nullptr,
                              [](const TempFolder& f) {
                                  testing::WriteBytes(f / "titel.bmp", {'B', 'M', 0});
                              },
                              "Laufzeitfehler '481':\r\n\r\nUngültiges Bild", ExitStatus::kRuntimeError},
                      Failure{"Overflow",
                              [](SettingsFile& s) {
                                  s.menu.anzahl = 15;
                                  s.menu.abstand = 2100;
                              },
                              nullptr, "Laufzeitfehler '6':\r\n\r\nÜberlauf", ExitStatus::kRuntimeError},
                      Failure{"MissingSettings", nullptr,
                              [](const TempFolder& f) { std::filesystem::remove(f / "st.art"); },
                              SettingsFailureMessage(), ExitStatus::kSettingsUnreadable},
                      Failure{"MalformedSettings", nullptr,
                              [](const TempFolder& f) {
                                  testing::WriteBytes(f / "st.art", {0xFF, 0x7F});
                              },
                              SettingsFailureMessage(), ExitStatus::kSettingsUnreadable}),
    [](const auto& info) { return std::string(info.param.name); });

// --- The real program ---

std::filesystem::path ProgramUnderTest() {
    // The build gives the program's Linux path; Wine shows / as drive Z:.
    std::string path = STARTART_PROGRAM;
    std::replace(path.begin(), path.end(), '/', '\\');
    return std::filesystem::path(Widen("Z:" + path));
}

TEST(RealProgram, WithoutSettingsShowsItsMessageAndEndsWithTheSettingsStatus) {
    TempFolder folder;
    const auto answered = testing::RunAndAnswer(folder, ProgramUnderTest());
    EXPECT_EQ(answered.text, SettingsFailureMessage());
    EXPECT_EQ(answered.visibleWindows, 1) << "only the message box shows";
    EXPECT_EQ(answered.status, static_cast<DWORD>(ExitStatus::kSettingsUnreadable));
}

// A fault of the processor in a window's paint, which the kernel calls:
// reported as the program's run-time error, not swallowed into a black window.
TEST(RealProgram, AFaultInAPaintIsReportedAsARunTimeErrorAndEndsWithTheErrorStatus) {
    TempFolder folder;
    const auto answered = testing::RunAndAnswer(folder, testing::TestProgramFolder() / "faulting-window.exe");
    EXPECT_EQ(answered.text, "Laufzeitfehler '0xC0000005':\r\n\r\nZugriffsverletzung");
    EXPECT_EQ(answered.caption, "faulting-window");
    EXPECT_EQ(answered.status, static_cast<DWORD>(ExitStatus::kRuntimeError));
}

TEST(RealProgram, WithAMissingTitlePictureReportsTheErrorAndEndsWithTheErrorStatus) {
    TempFolder folder;
    SettingsFile settings = MediumSettings();
    settings.menu.titelbild = "fehlt.bmp";
    testing::WriteMedium(folder, settings);
    const auto answered = testing::RunAndAnswer(folder, ProgramUnderTest());
    EXPECT_EQ(answered.text, "Laufzeitfehler '53':\r\n\r\nDatei nicht gefunden");
    EXPECT_EQ(answered.visibleWindows, 1) << "only the message box shows";
    EXPECT_EQ(answered.status, static_cast<DWORD>(ExitStatus::kRuntimeError));
}

}  // namespace
}  // namespace startart::win32
