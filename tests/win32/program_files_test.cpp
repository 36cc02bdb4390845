// The program's own name and folder, and reading the head of a file.
#include <windows.h>

#include <gtest/gtest.h>

#include "system/program_files.h"
#include "test_files.h"
#include "text.h"

namespace startart::win32 {
namespace {

TEST(ProgramFiles, DirectoryKeepsTheBackslashOnlyAtADriveRoot) {
    EXPECT_EQ(DirectoryOf(L"D:\\startart.exe"), "D:\\");
    EXPECT_EQ(DirectoryOf(L"D:\\Menü\\startart.exe"), "D:\\Menü");
    EXPECT_EQ(DirectoryOf(L"\\\\server\\share\\cd\\startart.exe"), "\\\\server\\share\\cd");
}

TEST(ProgramFiles, TitleIsTheFileNameWithoutExtension) {
    EXPECT_EQ(TitleOf(L"D:\\Menü\\Start.Menü.exe"), "Start.Menü");
    EXPECT_EQ(TitleOf(L"D:\\startart"), "startart");
}

TEST(ProgramFiles, TheRunningProgramIsFound) {
    const std::wstring path = ProgramPath();
    EXPECT_EQ(DirectoryOf(path), Narrow(testing::TestProgramFolder().wstring()));
    EXPECT_EQ(TitleOf(path), "win32_platform_tests");
}

TEST(ProgramFiles, ReadsAtMostTheWantedBytes) {
    testing::TempFolder folder;
    testing::WriteBytes(folder / "st.art", {1, 2, 3, 4, 5});
    const std::wstring path = (folder / "st.art").wstring();
    EXPECT_EQ(ReadHead(path, 3), (std::vector<unsigned char>{1, 2, 3}));
    EXPECT_EQ(ReadHead(path, 2304), (std::vector<unsigned char>{1, 2, 3, 4, 5}));
}

TEST(ProgramFiles, AMissingFileIsNotCreated) {
    testing::TempFolder folder;
    EXPECT_FALSE(ReadHead((folder / "st.art").wstring(), 2304));
    EXPECT_FALSE(std::filesystem::exists(folder / "st.art"));
}

TEST(ProgramFiles, AFileOpenForWritingElsewhereCanBeRead) {
    testing::TempFolder folder;
    testing::WriteBytes(folder / "st.art", {7});
    const std::wstring path = (folder / "st.art").wstring();
    const HANDLE writer = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ReadHead(path, 10), (std::vector<unsigned char>{7}));
    CloseHandle(writer);
}

TEST(Text, Utf8AndUtf16RoundTrip) {
    EXPECT_EQ(Widen("Größe ®"), L"Gr\u00f6\u00dfe \u00ae");
    EXPECT_EQ(Narrow(L"Gr\u00f6\u00dfe \u00ae"), "Größe ®");
    EXPECT_EQ(FromAnsiCodePage(ToAnsiCodePage(std::string("Ä\0ö", 5))), std::string("Ä\0ö", 5));
}

}  // namespace
}  // namespace startart::win32
