// The settings records of st.art as the menu holds them in memory. Field names
// are the German setting names that publishers know from their media.
#pragma once

#include <array>
#include <concepts>
#include <cstdint>
#include <string>
#include <type_traits>

#include "basic/int16.h"

namespace startart {

struct Colour {
    std::uint8_t rot = 0;
    std::uint8_t gruen = 0;
    std::uint8_t blau = 0;

    bool operator==(const Colour&) const = default;
};

struct MenuSettings {
    std::string titel;
    std::string titelbild;
    std::string bild;
    std::string pfad;
    std::string icon;
    Colour farbe;
    Int16 anzahl = 0;
    Int16 laufweite = 0;
    Int16 groesse = 0;
    std::string art;
    bool fett = false;
    Colour schriftfarbe;
    Int16 style = 0;
    Int16 randabstand = 0;
    Int16 hoehe = 0;
    Int16 breite = 0;
    Int16 abstand = 0;

    bool operator==(const MenuSettings&) const = default;
};

struct InfoSettings {
    std::string copy_text;
    std::string home_url;
    std::string firma;
    std::string strasse;
    std::string stadt;

    bool operator==(const InfoSettings&) const = default;
};

struct ReaderSetup {
    std::string version;
    std::string setup;

    bool operator==(const ReaderSetup&) const = default;
};

struct ButtonEntry {
    std::string button;
    std::string buttonb;
    std::string anw;

    bool operator==(const ButtonEntry&) const = default;
};

// Fifteen buttons are stored, as many as the main window has.
inline constexpr int kStoredButtons = 15;

// The file holds the menu, information and reader records, then one record
// per stored button; records are numbered from 1.
inline constexpr int kFirstButtonRecord = 4;
inline constexpr int kRecordCount = kFirstButtonRecord - 1 + kStoredButtons;

// The whole file, every record, as the authoring tool and the reader see it.
struct SettingsFile {
    MenuSettings menu;
    InfoSettings info;
    ReaderSetup reader;
    std::array<ButtonEntry, kStoredButtons> buttons;

    bool operator==(const SettingsFile&) const = default;
};

// Each record's fields in file order, with their names. One list serves the
// decoder, the encoder and the authoring tool's text form.
template <class Record, class Visitor>
requires std::same_as<std::remove_const_t<Record>, MenuSettings>
void ForEachField(Record& s, Visitor&& visit) {
    visit("titel", s.titel);
    visit("titelbild", s.titelbild);
    visit("bild", s.bild);
    visit("pfad", s.pfad);
    visit("icon", s.icon);
    visit("farbe", s.farbe);
    visit("anzahl", s.anzahl);
    visit("laufweite", s.laufweite);
    visit("groesse", s.groesse);
    visit("art", s.art);
    visit("fett", s.fett);
    visit("schriftfarbe", s.schriftfarbe);
    visit("style", s.style);
    visit("randabstand", s.randabstand);
    visit("hoehe", s.hoehe);
    visit("breite", s.breite);
    visit("abstand", s.abstand);
}

template <class Record, class Visitor>
requires std::same_as<std::remove_const_t<Record>, InfoSettings>
void ForEachField(Record& s, Visitor&& visit) {
    visit("copy_text", s.copy_text);
    visit("home_url", s.home_url);
    visit("firma", s.firma);
    visit("strasse", s.strasse);
    visit("stadt", s.stadt);
}

template <class Record, class Visitor>
requires std::same_as<std::remove_const_t<Record>, ReaderSetup>
void ForEachField(Record& s, Visitor&& visit) {
    visit("version", s.version);
    visit("setup", s.setup);
}

template <class Record, class Visitor>
requires std::same_as<std::remove_const_t<Record>, ButtonEntry>
void ForEachField(Record& s, Visitor&& visit) {
    visit("button", s.button);
    visit("buttonb", s.buttonb);
    visit("anw", s.anw);
}

// Visits every record in file order with its record number.
template <class File, class Visitor>
requires std::same_as<std::remove_const_t<File>, SettingsFile>
void ForEachRecord(File& file, Visitor&& visit) {
    visit(1, file.menu);
    visit(2, file.info);
    visit(3, file.reader);
    for (int i = 0; i < kStoredButtons; ++i) {
        visit(kFirstButtonRecord + i, file.buttons[static_cast<std::size_t>(i)]);
    }
}

}  // namespace startart
