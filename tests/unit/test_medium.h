// A medium for the unit tests: settings written into the headless platform's
// files, with the pictures they name.
#pragma once

#include "app/application.h"
#include "config/record_codec.h"
#include "headless_platform.h"
#include "menu/form1.h"

namespace startart::testing {

inline constexpr const char* kDirectory = "D:\\medium";

// Ten buttons of 144 x 40 pixels, 75 twips apart, on a 1024 x 768 screen.
inline SettingsFile DemoSettings() {
    SettingsFile file;
    MenuSettings& m = file.menu;
    m.titel = "Demo";
    m.titelbild = "titel.bmp";
    m.bild = "knopf.bmp";
    m.icon = "icon.ico";
    m.farbe = Colour{0, 64, 128};
    m.anzahl = 10;
    m.laufweite = 1;
    m.groesse = 12;
    m.art = "Arial";
    m.fett = true;
    m.schriftfarbe = Colour{255, 255, 0};
    m.style = 1;
    m.randabstand = 300;
    m.hoehe = 40;
    m.breite = 144;
    m.abstand = 75;
    for (int i = 0; i < kStoredButtons; ++i) {
        const std::string n = std::to_string(i);
        file.buttons[static_cast<std::size_t>(i)] = ButtonEntry{"Knopf " + n, "KNOPF " + n, "datei" + n + ".pdf"};
    }
    file.info = InfoSettings{"(c) 2026 Velmo", "http://www.velmo.de", "Velmo GmbH", "Hauptstr. 1", "12345 Musterstadt"};
    file.reader = ReaderSetup{"11.0", "reader\\setup.exe"};
    return file;
}

// Puts the settings and the pictures they name into the platform's files.
inline void WriteMedium(HeadlessPlatform& platform, const SettingsFile& file) {
    const std::string dir = std::string(kDirectory) + "\\";
    platform.executableDirectory = kDirectory;
    platform.files[dir + "st.art"] = EncodeSettingsFile(file);
    platform.AddPicture(dir + file.menu.titelbild, PixelSize{640, 480});
    platform.AddPicture(dir + file.menu.bild, PixelSize{5 * 144, 4 * 40});
    platform.AddPicture(dir + file.menu.icon, PixelSize{32, 32});
}

// Starts the menu through the event barrier, as the platform does.
struct StartedMenu {
    HeadlessPlatform platform;
    Application app{platform};
    bool started = false;

    explicit StartedMenu(const SettingsFile& file = DemoSettings()) {
        WriteMedium(platform, file);
        started = platform.Barrier().Run([&] { app.Start(); });
    }
    Form1& form1() { return app.MainWindow(); }
};

}  // namespace startart::testing
