// The settings most tests start from: ten buttons of 144 x 40 pixels, 75
// twips apart, with every text filled, so that a test changes only what it
// is about.
#pragma once

#include <string>

#include "config/settings.h"

namespace startart::testing {

inline SettingsFile SampleSettings() {
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

}  // namespace startart::testing
