#include "pack/well_formed.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "config/record_codec.h"

namespace startart::pack {
namespace {

using ::testing::ElementsAre;

// Texts of 92 bytes in the file fill MenuSettings to its last byte.
MenuSettings FullMenu() {
    MenuSettings menu;
    menu.titel = std::string(40, 'x');
    menu.bild = "Überschrift" + std::string(41, 'y');  // Ü: two bytes here, one in the file
    menu.fett = true;
    menu.abstand = -1;
    return menu;
}

TEST(WellFormed, WhatPackWritesIsWellFormed) {
    SettingsFile file;
    file.menu = FullMenu();
    file.buttons[14] = {"Ende", "» Ende «", "Ende"};
    EXPECT_TRUE(WellFormednessProblems(EncodeSettingsFile(file), file).empty());
}

TEST(WellFormed, NamesEveryDeviationThatTheRoundTripWouldLose) {
    SettingsFile file;
    file.buttons[1].anw = "Ende";
    std::vector<unsigned char> bytes = EncodeSettingsFile(file);
    bytes[21] = 0x01;                       // fett of MenuSettings: 1 instead of 0 or -1
    bytes[4 * kRecordLength + 10] = 0x20;   // ButtonEntry 1: after its last field, which ends at byte 10
    bytes.resize(kSettingsFileLength - 1);  // the file one byte short
    const SettingsFile decoded = DecodeSettingsFile(bytes);
    EXPECT_THAT(WellFormednessProblems(bytes, decoded),
                ElementsAre("die Datei ist 2303 Byte lang statt 2304",
                            "Datensatz 1 (MenuSettings), Feld 'fett': Wert 1 ist weder 0 noch -1 und wird als -1 "
                            "geschrieben",
                            "Datensatz 5 (ButtonEntry 1): die unbenutzten Bytes hinter dem letzten Feld (ab Byte 10) "
                            "sind nicht alle null; pack schreibt dort Nullen"));
}

}  // namespace
}  // namespace startart::pack
