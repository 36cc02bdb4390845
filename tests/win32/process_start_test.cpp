// Starting programs: recorder copies stand in for write.exe, notepad.exe and
// explorer.exe where Windows keeps them, and decoys of the same names lie
// beside the test program, where CreateProcess would look first. Each writes
// down the command line and show state it was started with.
#include <windows.h>

#include <gtest/gtest.h>

#include "system/process_start.h"
#include "test_files.h"

namespace startart::win32 {
namespace {

// The recorder's lines, once it has written as many.
std::string RecordedBy(const std::string& program, std::size_t lines) {
    return testing::RecordedLines(testing::StandInLog(program), lines);
}

class ProcessStartTest : public ::testing::Test {
  protected:
    void SetUp() override { testing::InstallStandIns(); }
    void TearDown() override {
        for (const char* decoy : {"write", "notepad", "explorer"}) {
            EXPECT_FALSE(std::filesystem::exists(testing::DecoyLog(decoy))) << decoy;
        }
    }
};

TEST_F(ProcessStartTest, StartsTheSystemsOwnProgramWithTheCommandLineAndShowState) {
    EXPECT_FALSE(StartCommandLine("write \"D:\\Medien\\Übersicht.rtf\"", ShowState::kNormal, SystemProgram::kWrite));
    EXPECT_EQ(RecordedBy("write", 1), "write \"D:\\Medien\\Übersicht.rtf\"\t1\n");

    EXPECT_FALSE(StartCommandLine("notepad \"a.ini\"", ShowState::kMinimized, SystemProgram::kNotepad));
    EXPECT_EQ(RecordedBy("notepad", 1), "notepad \"a.ini\"\t2\n");
}

TEST_F(ProcessStartTest, DoesNotWaitAndStartsAgainOnEveryCall) {
    EXPECT_FALSE(StartCommandLine("write \"a.rtf\"", ShowState::kNormal, SystemProgram::kWrite));
    EXPECT_FALSE(StartCommandLine("write ", ShowState::kNormal, SystemProgram::kWrite));
    const std::string recorded = RecordedBy("write", 2);
    EXPECT_NE(recorded.find("write \"a.rtf\"\t1\n"), std::string::npos);
    EXPECT_NE(recorded.find("write \t1\n"), std::string::npos);
}

TEST_F(ProcessStartTest, AMissingProgramIsReportedAsMissing) {
    const auto failure = StartCommandLine("startart-no-such-program.exe", ShowState::kNormal, SystemProgram::kNone);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->kind, StartFailure::Kind::kProgramMissing);
    EXPECT_EQ(failure->reason, "Das System kann die angegebene Datei nicht finden.");
}

TEST_F(ProcessStartTest, AFileThatIsNoProgramFailsWithoutBeingMissing) {
    testing::TempFolder folder;
    const auto text = folder / "kein-programm.exe";
    testing::WriteBytes(text, {'t', 'e', 'x', 't'});
    const auto failure = StartCommandLine("\"" + text.string() + "\"", ShowState::kNormal, SystemProgram::kNone);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->kind, StartFailure::Kind::kOther);
    EXPECT_FALSE(failure->reason.empty());
}

TEST_F(ProcessStartTest, AMissingDocumentCannotBeOpened) {
    testing::TempFolder folder;
    const auto failure = OpenWithAssociatedProgram(folder.Utf8() + "\\fehlt.rtf", ShowState::kNormal);
    ASSERT_TRUE(failure);
    EXPECT_FALSE(failure->reason.empty());
}

// Whatever the language of the system, the reason is German.
TEST(FailureReason, IsGermanForTheErrorsAMediumMeetsAndNamesAnyOtherByItsNumber) {
    EXPECT_EQ(FailureReason(740), "Das Programm braucht Administratorrechte.");
    EXPECT_EQ(FailureReason(ERROR_EXE_MACHINE_TYPE_MISMATCH),
              "Das Programm ist für einen anderen Prozessor bestimmt und läuft auf diesem Computer nicht.");
    EXPECT_EQ(FailureReason(ERROR_SHARING_VIOLATION), "Die Datei wird gerade von einem anderen Programm verwendet.");
    EXPECT_EQ(FailureReason(ERROR_CANCELLED), "Der Vorgang wurde vom Benutzer abgebrochen.");
    EXPECT_EQ(FailureReason(0x2000ABCD), "Windows-Fehler 536914893");
}

}  // namespace
}  // namespace startart::win32
