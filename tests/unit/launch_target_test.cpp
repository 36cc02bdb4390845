// What a click on a button starts: the command line for each kind of target,
// the PDF reader from the registry, and what the user sees when nothing can
// be started.
#include "launch/launch_target.h"

#include <gtest/gtest.h>

#include "test_medium.h"

namespace startart::testing {
namespace {

const std::string kReader = "\"C:\\Program Files\\Reader\\rd.exe\"";
const std::string kReaderMissing =
    "Adobe® Acrobat® Reader ist nicht richtig installiert!\r\n"
    "Adobe® Acrobat® Reader muss installiert sein, um fortzufahren!";

std::string NotOpened(const std::string& path) {
    return "Die angegebene Datei '" + path + "' konnte nicht geöffnet werden!";
}

// The menu with button 0 aimed at a target; Click clicks it.
struct Launcher : Menu {
    explicit Launcher(const std::string& target) { settings.buttons[0].anw = target; }
    void SetReader(const std::string& text) {
        platform.registry.SetText(HeadlessRegistry::kClassesRoot, kReaderKey, "", text);
    }
    void Click() {
        if (!app) {
            ASSERT_TRUE(Start());
        }
        EXPECT_TRUE(platform.Click(face(0)));
        EXPECT_TRUE(platform.registry.openKeys.empty());
        EXPECT_FALSE(platform.exitStatus);
        for (const auto& start : platform.started) {
            EXPECT_EQ(start.show, ShowState::kNormal) << start.commandLine;
        }
    }
};

struct TargetCase {
    const char* target;
    // The command line started, or empty when the not-recognised message shows.
    const char* commandLine;
};

class CommandLine : public ::testing::TestWithParam<TargetCase> {};

TEST_P(CommandLine, ForTheTarget) {
    const TargetCase& c = GetParam();
    Launcher launcher(c.target);
    launcher.SetReader("C:\\rd.exe /s");
    launcher.Click();
    if (*c.commandLine) {
        EXPECT_EQ(launcher.CommandLines(), std::vector<std::string>{c.commandLine});
        EXPECT_TRUE(launcher.platform.messages.empty());
    } else {
        EXPECT_TRUE(launcher.platform.started.empty());
        EXPECT_EQ(launcher.MessageTexts(), std::vector<std::string>{NotOpened("D:\\medium\\" + std::string(c.target))});
    }
}

INSTANTIATE_TEST_SUITE_P(Launch,
                         CommandLine,
                         ::testing::Values(TargetCase{"setup.exe", "setup.exe"},
                                           TargetCase{"tools\\setup.exe", "tools\\setup.exe"},
                                           TargetCase{"docs\\readme.rtf", "write \"D:\\medium\\docs\\readme.rtf\""},
                                           TargetCase{"a.b.c.ini", "notepad \"D:\\medium\\a.b.c.ini\""},
                                           TargetCase{"doc\\x.pdf", "C:\\rd.exe /s \"D:\\medium\\doc\\x.pdf\""},
                                           TargetCase{".pdf", "C:\\rd.exe /s \"D:\\medium\\.pdf\""},
                                           // A full path still gets the program directory in front.
                                           TargetCase{"C:\\texte\\x.rtf", "write \"D:\\medium\\C:\\texte\\x.rtf\""},
                                           // Web addresses go to the shell as they stand.
                                           TargetCase{"http://www.velmo.de/index.html",
                                                      "http://www.velmo.de/index.html"},
                                           TargetCase{"http://www.velmo.de/", "http://www.velmo.de/"},
                                           TargetCase{"https://www.velmo.de/?a=1&b=2", "https://www.velmo.de/?a=1&b=2"},
                                           // The extension decides before the web address does.
                                           TargetCase{"http://www.velmo.de/x.pdf",
                                                      "C:\\rd.exe /s \"D:\\medium\\http://www.velmo.de/x.pdf\""},
                                           TargetCase{"http://www.velmo.de/setup.exe", "http://www.velmo.de/setup.exe"},
                                           TargetCase{"README.PDF", ""},
                                           TargetCase{"setup.EXE", ""},
                                           TargetCase{"file.", ""},
                                           TargetCase{"setup", ""},
                                           TargetCase{"sub.dir\\readme", ""},
                                           TargetCase{"HTTP://WWW.VELMO.DE", ""},
                                           TargetCase{"http:/", ""},
                                           TargetCase{"HTTPS://WWW.VELMO.DE", ""},
                                           TargetCase{"", ""}));

TEST(Launch, ADocumentOnADriveRootGetsNoSecondBackslash) {
    Launcher launcher("docs\\readme.rtf");
    launcher.platform.executableDirectory = "D:\\";
    launcher.Click();
    EXPECT_EQ(launcher.CommandLines(), std::vector<std::string>{"write \"D:\\docs\\readme.rtf\""});
}

// A reader path with spaces must stay one quoted program name.
TEST(Launch, TheReadersQuotesStay) {
    Launcher launcher("doc\\x.pdf");
    launcher.SetReader(kReader);
    launcher.Click();
    EXPECT_EQ(launcher.CommandLines(), std::vector<std::string>{kReader + " \"D:\\medium\\doc\\x.pdf\""});
}

TEST(Launch, AReaderEntryThatReadsEmptyLeavesASingleSpace) {
    Launcher launcher("doc\\x.pdf");
    launcher.platform.registry.SetValue(HeadlessRegistry::kClassesRoot, kReaderKey, "",
                                        {HeadlessRegistry::kExpandSz, {'r', 'd', 0}});
    launcher.Click();
    EXPECT_EQ(launcher.CommandLines(), std::vector<std::string>{" \"D:\\medium\\doc\\x.pdf\""});
}

TEST(Launch, WithoutAReaderTheNoticeOffersTheInstaller) {
    for (const bool keyExists : {false, true}) {
        Launcher launcher("doc\\x.pdf");
        if (keyExists) {
            // Only a named value: the key's default value is not set.
            launcher.platform.registry.SetText(HeadlessRegistry::kClassesRoot, kReaderKey, "Version", "11");
        }
        launcher.Click();
        EXPECT_TRUE(launcher.notice().Loaded());
        EXPECT_TRUE(launcher.notice().Visible());
        EXPECT_TRUE(launcher.platform.started.empty());
        EXPECT_TRUE(launcher.platform.messages.empty());
    }
}

TEST(Launch, WithoutAReaderOrInstallerAMessage) {
    Launcher launcher("doc\\x.pdf");
    launcher.settings.reader.setup = "";
    launcher.Click();
    EXPECT_FALSE(launcher.notice().Loaded());
    EXPECT_TRUE(launcher.platform.started.empty());
    EXPECT_EQ(launcher.MessageTexts(), std::vector<std::string>{kReaderMissing});
}

TEST(Launch, AFailedStartIsReportedAndTheMenuCarriesOn) {
    Launcher launcher("fehlt.exe");
    launcher.settings.buttons[1].anw = "da.exe";
    launcher.platform.startOutcome = [](const std::string& commandLine) -> std::optional<StartFailure> {
        if (commandLine == "fehlt.exe") {
            return StartFailure{"Das System kann die angegebene Datei nicht finden.",
                                StartFailure::Kind::kProgramMissing};
        }
        return std::nullopt;
    };
    launcher.Click();
    EXPECT_EQ(launcher.MessageTexts(),
              std::vector<std::string>{"Der Befehl 'fehlt.exe' konnte nicht ausgeführt werden:\r\n"
                                       "Das System kann die angegebene Datei nicht finden."});
    EXPECT_TRUE(launcher.platform.MouseMove(launcher.face(1)));
    EXPECT_EQ(launcher.face(1).Top(), -600);
    EXPECT_TRUE(launcher.platform.Click(launcher.face(1)));
    EXPECT_EQ(launcher.CommandLines(), std::vector<std::string>{"da.exe"});
}

// Newer systems may lack "write" and "notepad": the document then opens with
// the program associated with its type, else with the one the user picks in
// the "Open with" dialog, and only when all that fails is it reported, with
// the command line of the system's program.
TEST(Launch, DocumentsFallBackToTheAssociatedProgramAndThenToOpenWith) {
    using Way = HeadlessPlatform::Start::Way;
    const struct {
        const char* name;
        bool programMissing;  // the system's program fails because it does not exist
        bool programFails;    // it fails for another reason
        bool noAssociation;
        bool openWithDialog;
        std::optional<Way> opened;  // none: reported
        const char* reason;
    } cases[] = {
        {"program works", false, false, false, true, Way::kProcess, ""},
        {"program missing", true, false, false, true, Way::kDocument, ""},
        {"program missing, no association", true, false, true, true, Way::kOpenWith, ""},
        {"program missing, no association, no dialog", true, false, true, false, std::nullopt, "keine Zuordnung"},
        {"program refused", false, true, false, true, std::nullopt, "kaputt"},
    };
    for (const auto& [target, command] : {std::pair{"x.rtf", "write"}, std::pair{"x.ini", "notepad"}}) {
        const std::string document = std::string("D:\\medium\\") + target;
        const std::string commandLine = std::string(command) + " \"" + document + "\"";
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(target) + ": " + c.name);
            Launcher launcher(target);
            launcher.platform.openWithDialog = c.openWithDialog;
            launcher.platform.startOutcome = [&](const std::string& line) -> std::optional<StartFailure> {
                if (line == commandLine && (c.programMissing || c.programFails)) {
                    return StartFailure{
                        "kaputt", c.programMissing ? StartFailure::Kind::kProgramMissing : StartFailure::Kind::kOther};
                }
                if (line == document && c.noAssociation) {
                    return StartFailure{"keine Zuordnung", StartFailure::Kind::kNoAssociation};
                }
                return std::nullopt;
            };
            launcher.Click();
            ASSERT_EQ(launcher.platform.started.size(), c.opened ? 1u : 0u);
            if (c.opened) {
                EXPECT_EQ(launcher.platform.started[0].commandLine,
                          *c.opened == Way::kProcess ? commandLine : document);
                EXPECT_EQ(launcher.platform.started[0].way, *c.opened);
                EXPECT_TRUE(launcher.platform.messages.empty());
            } else {
                EXPECT_EQ(launcher.MessageTexts(),
                          std::vector<std::string>{"Der Befehl '" + commandLine +
                                                   "' konnte nicht ausgeführt werden:\r\n" + c.reason});
            }
        }
    }
}

}  // namespace
}  // namespace startart::testing
