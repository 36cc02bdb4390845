// How the menu ends when it cannot start: the run-time error report and the
// settings message, with no window left behind and an exit status that tells
// an error from a normal end. In the test program the message boxes are
// recorded; the last tests run the real program and answer its real box.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "basic/program_end.h"
#include "config/read_settings_file.h"
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

struct FoundBox {
    DWORD process;
    HWND box = nullptr;
};

BOOL CALLBACK FindBox(HWND window, LPARAM found) {
    auto* search = reinterpret_cast<FoundBox*>(found);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (process == search->process && IsWindowVisible(window) && std::wstring(name) == L"#32770") {
        search->box = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CountVisible(HWND window, LPARAM count) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    auto* counting = reinterpret_cast<std::pair<DWORD, int>*>(count);
    counting->second += process == counting->first && IsWindowVisible(window) ? 1 : 0;
    return TRUE;
}

// Runs the program from the folder, answers its message box and gives the
// box's text and the exit status. The process is ended should anything hang.
std::pair<std::string, DWORD> RunAndAnswer(const TempFolder& folder) {
    const auto program = folder / "startart.exe";
    std::filesystem::copy_file(ProgramUnderTest(), program);
    std::wstring commandLine = L"\"" + program.wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started)) {
        return {"(not started)", 0};
    }
    const UniqueKernelHandle process(started.hProcess);
    const UniqueKernelHandle thread(started.hThread);

    FoundBox found{started.dwProcessId};
    for (int attempt = 0; attempt < 200 && !found.box; ++attempt) {
        Sleep(50);
        EnumWindows(&FindBox, reinterpret_cast<LPARAM>(&found));
    }
    std::string text = "(no message box)";
    if (found.box) {
        wchar_t buffer[512] = {};
        GetDlgItemTextW(found.box, 0xFFFF, buffer, 512);
        text = Narrow(buffer);
        std::pair<DWORD, int> visible{started.dwProcessId, 0};
        EnumWindows(&CountVisible, reinterpret_cast<LPARAM>(&visible));
        EXPECT_EQ(visible.second, 1) << "only the message box shows";
        PostMessageW(found.box, WM_COMMAND, IDOK, 0);
    }
    if (WaitForSingleObject(process.get(), 10000) != WAIT_OBJECT_0) {
        TerminateProcess(process.get(), 99);
        WaitForSingleObject(process.get(), 5000);
    }
    DWORD status = 0;
    GetExitCodeProcess(process.get(), &status);
    return {text, status};
}

TEST(RealProgram, WithoutSettingsShowsItsMessageAndEndsWithTheSettingsStatus) {
    TempFolder folder;
    const auto [text, status] = RunAndAnswer(folder);
    EXPECT_EQ(text, SettingsFailureMessage());
    EXPECT_EQ(status, static_cast<DWORD>(ExitStatus::kSettingsUnreadable));
}

TEST(RealProgram, WithAMissingTitlePictureReportsTheErrorAndEndsWithTheErrorStatus) {
    TempFolder folder;
    SettingsFile settings = MediumSettings();
    settings.menu.titelbild = "fehlt.bmp";
    testing::WriteMedium(folder, settings);
    const auto [text, status] = RunAndAnswer(folder);
    EXPECT_EQ(text, "Laufzeitfehler '53':\r\n\r\nDatei nicht gefunden");
    EXPECT_EQ(status, static_cast<DWORD>(ExitStatus::kRuntimeError));
}

}  // namespace
}  // namespace startart::win32
