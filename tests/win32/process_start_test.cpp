// Starting programs: the recorder program lies beside the test program as
// write.exe, notepad.exe and explorer.exe, where CreateProcess looks first,
// and writes down the command line and show state it was started with.
#include <windows.h>

#include <gtest/gtest.h>

#include "process_start.h"
#include "test_files.h"

namespace startart::win32 {
namespace {

// The recorder's lines, once it has written as many.
std::string RecordedBy(const std::string& program, std::size_t lines) {
    return testing::RecordedLines(testing::StandInLog(program), lines);
}

class ProcessStartTest : public ::testing::Test {
  protected:
    void SetUp() override { testing::ClearStandInLogs(); }
};

TEST_F(ProcessStartTest, StartsTheCommandLineWithItsShowState) {
    EXPECT_FALSE(StartCommandLine("write \"D:\\Medien\\Übersicht.rtf\"", ShowState::kNormal));
    EXPECT_EQ(RecordedBy("write", 1), "write \"D:\\Medien\\Übersicht.rtf\"\t1\n");

    EXPECT_FALSE(StartCommandLine("notepad \"a.ini\"", ShowState::kMinimized));
    EXPECT_EQ(RecordedBy("notepad", 1), "notepad \"a.ini\"\t2\n");
}

TEST_F(ProcessStartTest, DoesNotWaitAndStartsAgainOnEveryCall) {
    EXPECT_FALSE(StartCommandLine("explorer http://www.velmo.de", ShowState::kNormal));
    EXPECT_FALSE(StartCommandLine("explorer ", ShowState::kNormal));
    const std::string recorded = RecordedBy("explorer", 2);
    EXPECT_NE(recorded.find("explorer http://www.velmo.de\t1\n"), std::string::npos);
    EXPECT_NE(recorded.find("explorer \t1\n"), std::string::npos);
}

TEST_F(ProcessStartTest, AMissingProgramIsReportedAsMissing) {
    const auto failure = StartCommandLine("startart-no-such-program.exe", ShowState::kNormal);
    ASSERT_TRUE(failure);
    EXPECT_TRUE(failure->programMissing);
    EXPECT_EQ(failure->reason, "Das System kann die angegebene Datei nicht finden.");
}

TEST_F(ProcessStartTest, AFileThatIsNoProgramFailsWithoutBeingMissing) {
    testing::TempFolder folder;
    const auto text = folder / "kein-programm.exe";
    testing::WriteBytes(text, {'t', 'e', 'x', 't'});
    const auto failure = StartCommandLine("\"" + text.string() + "\"", ShowState::kNormal);
    ASSERT_TRUE(failure);
    EXPECT_FALSE(failure->programMissing);
    EXPECT_FALSE(failure->reason.empty());
}

TEST_F(ProcessStartTest, AMissingDocumentCannotBeOpened) {
    testing::TempFolder folder;
    const auto failure = OpenWithAssociatedProgram(folder.Utf8() + "\\fehlt.rtf", ShowState::kNormal);
    ASSERT_TRUE(failure);
    EXPECT_FALSE(failure->reason.empty());
}

}  // namespace
}  // namespace startart::win32
