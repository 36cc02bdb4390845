// A medium for the unit tests: settings written into the headless platform's
// files, with the pictures they name, and the program started from it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/application.h"
#include "config/program_directory.h"
#include "config/record_codec.h"
#include "headless_platform.h"
#include "menu/main_window.h"
#include "sample_settings.h"
#include "windows/information_window.h"
#include "windows/reader_notice.h"

namespace startart::testing {

inline constexpr const char* kDirectory = "D:\\medium";

// The program on a medium. A test may change the settings and the platform
// (screen, program directory, registry, files) before Start.
struct Menu {
    HeadlessPlatform platform;
    SettingsFile settings = SampleSettings();
    std::unique_ptr<Application> app;
    bool written = false;

    // The program directory as the settings' file names are appended to it.
    std::string Directory() const { return ProgramDirectory(platform.executableDirectory); }

    // st.art and the pictures it names; the button picture holds four rows of
    // five designs.
    void WriteMedium() {
        const std::string dir = Directory();
        const MenuSettings& m = settings.menu;
        platform.files[dir + "st.art"] = EncodeSettingsFile(settings);
        platform.AddPicture(dir + m.titelbild, PixelSize{640, 480});
        platform.AddPicture(dir + m.bild, PixelSize{5 * m.breite, 4 * m.hoehe});
        platform.AddPicture(dir + m.icon, PixelSize{32, 32});
        written = true;
    }

    // Writes the medium unless that is done, then starts the program as the
    // platform does: through the event barrier. True when start-up completed.
    bool Start() {
        if (!written) {
            WriteMedium();
        }
        app = std::make_unique<Application>(platform);
        return platform.Barrier().Run([&] { app->Start(); });
    }

    // As the launcher shows it, for a PDF target without a reader.
    void ShowNotice() {
        platform.Barrier().Run([&] { notice().Show(); });
    }

    MainWindow& main() { return static_cast<MainWindow&>(app->MainWindow()); }
    InformationWindow& information() { return static_cast<InformationWindow&>(app->InformationWindow()); }
    ReaderNotice& notice() { return static_cast<ReaderNotice&>(app->ReaderNotice()); }
    PictureBox& face(int i) { return main().Picture1(i); }
    PictureBox& frame(int i) { return main().Picture2(i); }
    HeadlessPictureBoxPeer& FacePeer(int i) { return HeadlessPlatform::PeerOf(face(i)); }

    // The texts that face i shows now.
    std::vector<std::string> Shown(int i) {
        std::vector<std::string> texts;
        for (const PrintedText& printed : FacePeer(i).surface) {
            texts.push_back(printed.text);
        }
        return texts;
    }

    // The message boxes shown so far, each checked for the program's caption.
    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const auto& message : platform.messages) {
            EXPECT_EQ(message.caption, platform.applicationTitle);
            texts.push_back(message.text);
        }
        return texts;
    }
    std::vector<std::string> CommandLines() const {
        std::vector<std::string> lines;
        for (const auto& start : platform.started) {
            lines.push_back(start.commandLine);
        }
        return lines;
    }
};

// The demo medium, or the given settings, started.
struct StartedMenu : Menu {
    explicit StartedMenu(const SettingsFile& file = SampleSettings()) {
        settings = file;
        started = Start();
    }
    bool started = false;
};

inline std::string RuntimeErrorReport(int number, const std::string& description) {
    return "Laufzeitfehler '" + std::to_string(number) + "':\r\n\r\n" + description;
}

// Start-up stopped by a run-time error: the report is the only message, no
// window shows and the program ends with the error status.
inline void ExpectStartStoppedBy(Menu& menu, const std::string& report) {
    EXPECT_EQ(menu.MessageTexts(), std::vector<std::string>{report});
    EXPECT_FALSE(menu.main().Visible());
    EXPECT_EQ(menu.platform.exitStatus, ExitStatus::kRuntimeError);
}

}  // namespace startart::testing
