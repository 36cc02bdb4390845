// Programs that ask for administrator rights, installers above all: the
// system refuses to start them directly, and the shell's consent prompt is
// asked instead, with the command line split as the system splits it.
#include <gtest/gtest.h>

#include "test_medium.h"
#include "start/start_or_report.h"

namespace startart::testing {
namespace {

using Start = HeadlessPlatform::Start;

// The reader's installer, from the notice, and a program button: each is
// handed to the shell in its own show state; a declined prompt shows
// nothing, any other failure of the shell is reported.
TEST(Elevation, AProgramThatNeedsAdministratorRightsIsStartedThroughTheConsentPrompt) {
    const struct {
        const char* name;
        std::optional<StartFailure> shell;
        std::vector<std::string> messages;
    } cases[] = {
        {"consented", std::nullopt, {}},
        {"declined", StartFailure{"abgebrochen", StartFailure::Kind::kCancelled}, {}},
        {"failed",
         StartFailure{"Zugriff verweigert."},
         {"Der Befehl '\"D:\\medium\\reader\\setup.exe\" /s' konnte nicht ausgeführt werden:\r\nZugriff "
          "verweigert.",
          "Der Befehl 'tools\\install.exe' konnte nicht ausgeführt werden:\r\nZugriff verweigert."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SettingsFile file = SampleSettings();
        file.reader.setup = "\"D:\\medium\\reader\\setup.exe\" /s";
        file.buttons[1].anw = "tools\\install.exe";
        StartedMenu menu(file);
        menu.platform.startOutcome = [](const std::string&) -> std::optional<StartFailure> {
            return StartFailure{"Der angeforderte Vorgang erfordert erhöhte Rechte.",
                                StartFailure::Kind::kElevationRequired};
        };
        menu.platform.shellOutcome = [&](const std::string&) { return c.shell; };

        menu.ShowNotice();
        menu.platform.Click(menu.notice().Command1);
        menu.platform.Click(menu.notice().Command2);
        menu.platform.Click(menu.face(1));

        EXPECT_EQ(menu.MessageTexts(), c.messages);
        EXPECT_FALSE(menu.platform.exitStatus);
        EXPECT_TRUE(menu.face(1).Enabled());
        if (!c.shell) {
            ASSERT_EQ(menu.platform.started.size(), 2u);
            const Start& installer = menu.platform.started[0];
            EXPECT_EQ(installer.way, Start::Way::kShell);
            EXPECT_EQ(installer.commandLine, "D:\\medium\\reader\\setup.exe");
            EXPECT_EQ(installer.parameters, "/s");
            EXPECT_EQ(installer.show, ShowState::kMinimized);
            const Start& program = menu.platform.started[1];
            EXPECT_EQ(program.commandLine, "tools\\install.exe");
            EXPECT_EQ(program.parameters, "");
            EXPECT_EQ(program.show, ShowState::kNormal);
        } else {
            EXPECT_TRUE(menu.platform.started.empty());
        }
    }
}

}  // namespace
}  // namespace startart::testing
