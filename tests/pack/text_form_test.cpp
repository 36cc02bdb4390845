#include "pack/text_form.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "basic/windows1252.h"
#include "config/record_codec.h"

namespace startart::pack {
namespace {

// Every character that Windows-1252 holds, spread over the texts, with the
// blanks, quotes, backslashes and line breaks that need care.
SettingsFile EveryCharacter() {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all += static_cast<char>(byte);
    }
    SettingsFile file;
    for (std::size_t i = 0; i < file.buttons.size(); ++i) {
        const auto part = [&](std::size_t from) {
            return from < all.size() ? DecodeWindows1252(all.substr(from, 6)) : std::string();
        };
        file.buttons[i] = {part(i * 18), part(i * 18 + 6), part(i * 18 + 12)};
    }
    file.menu.titel = "  Grüße – \"Medium\"  ";
    file.menu.pfad = "C:\\alt\\";
    file.menu.art = "\r\nArial\n";
    file.menu.farbe = {0, 128, 255};
    file.menu.anzahl = -32768;
    file.menu.laufweite = 32767;
    file.menu.fett = true;
    file.info.firma = "\"";
    file.reader.setup = "\\\\server\\share\\setup.exe /s";
    return file;
}

std::string ErrorOf(std::string_view text) {
    try {
        PackTextForm(text, "m.ini");
    } catch (const TextFormError& error) {
        return error.what();
    }
    return "(no error)";
}

TEST(TextForm, PrintedTextPacksToTheSameBytes) {
    const SettingsFile file = EveryCharacter();
    const std::string text = PrintTextForm(file);
    EXPECT_EQ(ParseTextForm(text, "m.ini"), file);
    EXPECT_EQ(PackTextForm(text, "m.ini"), EncodeSettingsFile(file));
}

TEST(TextForm, PrintsASectionPerRecordAndALinePerField) {
    SettingsFile file;
    file.menu.titel = "Demo";
    file.menu.farbe = {0, 64, 128};
    file.buttons[14].anw = "Ende";
    const std::string text = PrintTextForm(file);
    EXPECT_TRUE(text.starts_with("[MenuSettings]\ntitel = Demo\ntitelbild =\n")) << text;
    EXPECT_NE(text.find("\nfarbe = 0, 64, 128\nanzahl = 0\n"), std::string::npos);
    EXPECT_NE(text.find("\nfett = false\n"), std::string::npos);
    EXPECT_NE(text.find("\n\n[InfoSettings]\ncopy_text =\n"), std::string::npos);
    EXPECT_TRUE(text.ends_with("[ButtonEntry 14]\nbutton =\nbuttonb =\nanw = Ende\n")) << text;
}

TEST(TextForm, ReadsCommentsBlanksAnyLineEndAndAByteOrderMark) {
    const SettingsFile file = ParseTextForm(
        "\xEF\xBB\xBF; Demo\r\n"
        "# noch ein Kommentar\n"
        "\n"
        "  [ ButtonEntry 3 ]  \r\n"
        "\tanw=  http://velmo.example/  \r\n"
        "button = Über uns",
        "m.ini");
    EXPECT_EQ(file.buttons[3].anw, "http://velmo.example/");
    EXPECT_EQ(file.buttons[3].button, "Über uns");
}

TEST(TextForm, MissingSectionsAndFieldsAreEmpty) {
    const SettingsFile file = ParseTextForm("[MenuSettings]\nanzahl = 2\n", "m.ini");
    SettingsFile expected;
    expected.menu.anzahl = 2;
    EXPECT_EQ(file, expected);
    EXPECT_EQ(ParseTextForm("", "m.ini"), SettingsFile{});
}

TEST(TextForm, ErrorsNameFileLineAndField) {
    EXPECT_EQ(ErrorOf("[MenuSettings]\n; x\nanzahl = 40000\n"),
              "m.ini:3: Feld 'anzahl': Zahl außerhalb von -32768..32767");
    EXPECT_EQ(ErrorOf("[MenuSettings]\nfarbe = 1, 2\n"),
              "m.ini:2: Feld 'farbe': '1, 2' ist keine Farbe (rot, gruen, blau mit je 0..255)");
    EXPECT_EQ(ErrorOf("[MenuSettings]\nfett = ja\n"),
              "m.ini:2: Feld 'fett': 'ja' ist kein Wahrheitswert (true oder false)");
    EXPECT_EQ(ErrorOf("[ButtonEntry 0]\nbutton = Łódź\n"),
              "m.ini:2: Feld 'button': Zeichen 'Ł' (U+0141) gibt es in Windows-1252 nicht");
    EXPECT_EQ(ErrorOf("[MenuSettings]\nstil = 2\n"), "m.ini:2: unbekanntes Feld 'stil' in [MenuSettings]");
    EXPECT_EQ(ErrorOf("[InfoSettings]\nfirma = A\n\nfirma = B\n"),
              "m.ini:4: Feld 'firma' steht in [InfoSettings] schon in Zeile 2");
    EXPECT_EQ(ErrorOf("[ReaderSetup]\n[ReaderSetup]\n"), "m.ini:2: Abschnitt [ReaderSetup] steht schon in Zeile 1");
    EXPECT_EQ(ErrorOf("titel = x\n"), "m.ini:1: Feld 'titel' steht vor dem ersten Abschnitt");
    EXPECT_EQ(ErrorOf("[MenuSettings]\nButtonEntry 2\n"), "m.ini:2: weder Abschnitt noch 'Feld = Wert': ButtonEntry 2");
    EXPECT_EQ(ErrorOf("[MenuSettings]\n= 2\n"), "m.ini:2: Feldname fehlt vor '='");
    EXPECT_EQ(ErrorOf("[MenuSettings\n"), "m.ini:1: Abschnitt ohne schließende Klammer: [MenuSettings");
    EXPECT_EQ(ErrorOf("[ButtonEntry 15]\n").substr(0, 41), "m.ini:1: unbekannter Abschnitt [ButtonEnt");
}

TEST(TextForm, RefusesWhatIsNotUtf8NamingTheField) {
    EXPECT_EQ(ErrorOf("[MenuSettings]\ntitel = Gr\xFC\xDF"
                      "e\n"),
              "m.ini:2: Feld 'titel': kein gültiges UTF-8 ab Byte 0xFC; die Datei muss in UTF-8 gespeichert sein");
    // An overlong 'A', a surrogate, a code point above U+10FFFF, a sequence
    // cut off at the end of the line.
    for (const auto& [value, byte] :
         {std::pair{"X\xC1\x81Y", "C1"}, {"\xED\xA0\x80", "ED"}, {"\xF4\x90\x80\x80", "F4"}, {"Gr\xC3", "C3"}}) {
        EXPECT_EQ(ErrorOf("[ButtonEntry 0]\n\nbutton = " + std::string(value) + "\n"),
                  "m.ini:3: Feld 'button': kein gültiges UTF-8 ab Byte 0x" + std::string(byte) +
                      "; die Datei muss in UTF-8 gespeichert sein");
    }
    EXPECT_EQ(ErrorOf("; f\xFCr den Katalog\n"),
              "m.ini:1: kein gültiges UTF-8 ab Byte 0xFC; die Datei muss in UTF-8 gespeichert sein");
}

TEST(TextForm, ACommentAfterABareTextBelongsToItAndIsWarnedOf) {
    std::vector<std::string> warnings;
    const std::vector<unsigned char> bytes = PackTextForm(
        "[ButtonEntry 0]\n"
        "anw = katalog.pdf ; der Katalog\n"
        "button = \"Preise ; 2026\"\n"
        "buttonb = C# und F#\n"
        "[ButtonEntry 1]\n"
        "button = Nummer\t# 1\n",
        "m.ini", &warnings);
    EXPECT_EQ(DecodeSettingsFile(bytes).buttons[0].anw, "katalog.pdf ; der Katalog");
    const std::string own = "' gehört zum Wert; ein Kommentar steht in einer eigenen Zeile, die mit ; oder # beginnt";
    EXPECT_THAT(warnings, ::testing::ElementsAre("m.ini:2: Warnung: Feld 'anw': '; der Katalog" + own,
                                                 "m.ini:6: Warnung: Feld 'button': '# 1" + own));
}

TEST(TextForm, ARecordTooLongNamesTheFieldThatRunsOverAndByHowMuch) {
    // The six texts of MenuSettings have 92 bytes between them.
    const std::string fits = "[MenuSettings]\ntitel = " + std::string(87, 'x') + "\nart = Arial\n";
    EXPECT_EQ(PackTextForm(fits, "m.ini").size(), kSettingsFileLength);

    EXPECT_EQ(ErrorOf("[MenuSettings]\ntitel = " + std::string(90, 'x') + "\nart = Arial\nbreite = 160\n"),
              "m.ini:4: [MenuSettings] braucht 131 Byte, 3 mehr als die 128 eines Datensatzes (Feld 'breite' "
              "reicht über das Ende); Texte um 3 Byte kürzen");
    // A field that is left out is found at its section's line. Umlauts take
    // one byte each in the file.
    EXPECT_EQ(ErrorOf("\n[ButtonEntry 2]\nbutton = " + std::string(61, 'a') + "\nbuttonb = " + std::string(31, 'b') +
                      "ü" + std::string(30, 'c') + "\n"),
              "m.ini:2: [ButtonEntry 2] braucht 129 Byte, 1 mehr als die 128 eines Datensatzes (Feld 'anw' reicht "
              "über das Ende); Texte um 1 Byte kürzen");
}

}  // namespace
}  // namespace startart::pack
