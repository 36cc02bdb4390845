#include "pack/medium_check.h"

#include <algorithm>
#include <iterator>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "pack/autorun_inf.h"
#include "picture_files.h"
#include "program_files.h"
#include "temp_medium.h"

namespace startart::pack {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

// Said once for the .rtf and the .ini button of the medium below.
const std::string kDocumentsByType =
    ".rtf- und .ini-Ziele öffnet Windows mit dem Programm, das es dem Dateityp zuordnet; ab Windows 11 24H2 fehlt "
    "WordPad, dann braucht .rtf ein eigenes Programm";

// A medium with a button of every kind and the reader's installer, its files
// named in other cases than the settings name them, as on a CD.
class MediumCheckTest : public ::testing::Test {
  protected:
    MediumCheckTest() {
        MenuSettings& menu = settings.menu;
        menu.titelbild = "Bilder\\Titel.BMP";
        menu.bild = "bilder\\\\knoepfe.bmp";
        menu.icon = "velmo.bmp";
        menu.anzahl = 6;
        menu.style = 2;
        menu.hoehe = 40;
        menu.breite = 160;
        menu.abstand = 240;
        settings.buttons[0] = {"Katalog", "» Katalog", "Dokumente\\Katalog.pdf"};
        settings.buttons[1] = {"Lies mich", "» Lies mich", "dokumente\\liesmich.rtf"};
        settings.buttons[2] = {"Übung", "» Übung", "ÜBUNG.ini"};
        settings.buttons[3] = {"Hallo", "» Hallo", "programme\\hallo.exe"};
        settings.buttons[4] = {"Web", "» Web", "http://velmo.example/"};
        settings.buttons[5] = {"Beenden", "» Beenden", "Ende"};
        settings.reader.setup = "reader\\setup /s";  // Windows appends .exe
        medium.Write("StartArt.exe", SignedProgram());
        medium.Write("autorun.inf", FormatAutorunInf("velmo.ico", "Velmo – Bücher"));
        medium.Write("velmo.ico", Icon(1, 64));
        medium.Write("reader/Setup.exe", SignedProgram());
        // The size of its place in a window 640 x 480 pixels.
        medium.Write("bilder/titel.bmp", Bmp24(465, 457));
        medium.Write("bilder/knoepfe.bmp", Bmp24(800, 160));
        medium.Write("velmo.bmp", Bmp24(32, 32));
        medium.Write("dokumente/katalog.pdf", "%PDF-1.4");
        medium.Write("dokumente/liesmich.rtf", "{\\rtf1}");
        medium.Write("übung.ini", "[x]");
        medium.Write("programme/hallo.exe", SignedProgram());
    }

    std::vector<std::string> Check() {
        medium.WriteSettings(settings);
        return CheckMedium(medium.Path()).problems;
    }
    std::vector<std::string> Warnings() {
        medium.WriteSettings(settings);
        return CheckMedium(medium.Path()).warnings;
    }

    TempMedium medium;
    SettingsFile settings;
};

TEST_F(MediumCheckTest, ACompleteMediumHasNoProblems) {
    EXPECT_THAT(Check(), IsEmpty());
    EXPECT_THAT(Warnings(), ElementsAre(kDocumentsByType));
}

TEST_F(MediumCheckTest, TheMenuMustLieBesideItsSettings) {
    std::filesystem::remove(medium.Path() / "StartArt.exe");
    medium.Write("programme/startart.exe", "MZ");
    EXPECT_THAT(Check(), ElementsAre("startart.exe fehlt neben st.art; ohne das Menü startet vom Medium nichts"));
}

TEST_F(MediumCheckTest, SettingsThatDoNotDecodeStopTheCheck) {
    EXPECT_THAT(CheckMedium(medium.Path()).problems, ElementsAre("st.art fehlt"));

    std::vector<unsigned char> bytes(kSettingsFileLength, 0);
    bytes[3 * kRecordLength] = 3;
    bytes[3 * kRecordLength + 5] = 200;
    medium.Write("ST.ART", bytes);
    EXPECT_THAT(CheckMedium(medium.Path()).problems,
                ElementsAre("st.art: Datensatz 4 (ButtonEntry 0), Feld 'buttonb': 79 Byte über das Ende der 128 "
                            "Byte des Datensatzes"));
}

TEST_F(MediumCheckTest, TargetsOfVisibleButtonsMustExistAndBeKnown) {
    const std::string known =
        "; es öffnet Dateien auf .exe, .rtf, .ini und .pdf (klein geschrieben), Adressen mit "
        "http:// oder https:// und 'Ende'";
    medium.Write("Katalog.PDF", "%PDF-1.4");
    medium.Write("mappe.pdf/inhalt.txt", "");
    settings.buttons[0].anw = "dokumente\\preise.pdf";
    settings.buttons[1].anw = "Katalog.PDF";              // the menu compares extensions as written
    settings.buttons[2].anw = "programme\\hallo.exe /s";  // a program takes no arguments
    settings.buttons[3].anw = "";
    settings.buttons[4] = {"", "", "fehlt.pdf"};  // hidden: cannot be clicked
    settings.buttons[5].anw = "HTTP://velmo.example/";
    settings.buttons[6] = {"Mappe", "", "mappe.pdf"};  // a folder, not a file
    settings.buttons[7] = {"Acht", "", "fehlt.pdf"};   // beyond anzahl
    settings.menu.anzahl = 7;
    EXPECT_THAT(Check(), ElementsAre("Knopf 0 ('Katalog'): Ziel 'dokumente\\preise.pdf' fehlt auf dem Medium",
                                     "Knopf 1 ('Lies mich'): Ziel 'Katalog.PDF' kennt das Menü nicht" + known,
                                     "Knopf 2 ('Übung'): Ziel 'programme\\hallo.exe /s' kennt das Menü nicht" + known,
                                     "Knopf 3 ('Hallo') hat kein Ziel" + known,
                                     "Knopf 5 ('Beenden'): Ziel 'HTTP://velmo.example/' kennt das Menü nicht" + known,
                                     "Knopf 6 ('Mappe'): Ziel 'mappe.pdf' fehlt auf dem Medium"));
}

TEST_F(MediumCheckTest, ProgramsTheMenuStartsWithoutASignatureAreWarnings) {
    medium.Write("StartArt.exe", Program(kPe32, 0));
    medium.Write("reader/Setup.exe", Program(kPe32Plus, 0));
    medium.Write("programme/hallo.exe", "MZ");
    const std::string withoutSignature =
        " trägt keine Authenticode-Signatur; Smart App Control kann den Start verweigern und SmartScreen davor warnen";
    EXPECT_THAT(Check(), IsEmpty());
    EXPECT_THAT(
        Warnings(),
        ElementsAre("startart.exe" + withoutSignature,
                    "Knopf 3 ('Hallo'): das Programm 'programme\\hallo.exe'" + withoutSignature, kDocumentsByType,
                    "Feld 'setup' in [ReaderSetup]: das Installationsprogramm 'reader\\setup'" + withoutSignature));
}

TEST_F(MediumCheckTest, PicturesMustLoad) {
    settings.menu.titelbild = "fehlt.jpg";
    medium.Write("velmo.bmp", "kein Bild");
    std::vector<unsigned char> cut = Bmp24(800, 160);
    cut.pop_back();
    medium.Write("bilder/knoepfe.bmp", cut);
    EXPECT_THAT(Check(), ElementsAre("Feld 'icon': 'velmo.bmp' ist kein Bild in einem Format, das das Menü lädt (BMP, "
                                     "GIF, JPEG, PNG, TIFF, ICO)",
                                     "Feld 'titelbild': Datei 'fehlt.jpg' fehlt",
                                     "Feld 'bild': 'bilder\\\\knoepfe.bmp' ist als BMP beschädigt oder unvollständig"));

    settings.menu.titelbild.clear();
    medium.Write("velmo.bmp", Bmp24(32, 32));
    medium.Write("bilder/knoepfe.bmp", Bmp24(800, 160));
    EXPECT_THAT(Check(), ElementsAre("Feld 'titelbild' ist leer; das Menü braucht hier ein Bild"));
}

TEST_F(MediumCheckTest, PicturesMayNotClaimMoreThanTheMenuLoads) {
    // Headers that claim more pixels than follow them: the menu refuses them
    // by the claim alone.
    medium.Write("bilder/titel.bmp", Bmp(40, 60000, 60000, 24, 0, 4096));
    medium.Write("velmo.bmp", Bmp(40, 16385, 1, 24, 0, 4096));
    medium.Write("bilder/knoepfe.bmp", Bmp(40, 10000, 5001, 24, 0, 4096));
    const std::string limit = " Pixel an; das Menü lädt Bilder bis 16384 Pixel je Seite und 50 Millionen Pixel";
    EXPECT_THAT(Check(), ElementsAre("Feld 'icon': 'velmo.bmp' gibt 16385×1" + limit,
                                     "Feld 'titelbild': 'Bilder\\Titel.BMP' gibt 60000×60000" + limit,
                                     "Feld 'bild': 'bilder\\\\knoepfe.bmp' gibt 10000×5001" + limit));
}

TEST_F(MediumCheckTest, HighResolutionPicturesMustLoadAtTwiceTheSizeOfTheirPartners) {
    // Found as the settings' names are, whatever their case.
    medium.Write("velmo@2x.bmp", Bmp24(64, 64));
    medium.Write("bilder/titel@2x.bmp", Bmp24(930, 914));
    medium.Write("bilder/knoepfe@2x.bmp", Bmp24(1600, 320));
    EXPECT_THAT(Check(), IsEmpty());

    medium.Write("velmo@2x.bmp", "kein Bild");
    medium.Write("bilder/titel@2x.bmp", Bmp24(929, 914));
    medium.Write("bilder/knoepfe@2x.bmp", Bmp24(1600, 160));
    EXPECT_THAT(Check(), ElementsAre("Feld 'icon': 'velmo@2x.bmp' ist kein Bild in einem Format, das das Menü lädt "
                                     "(BMP, GIF, JPEG, PNG, TIFF, ICO)",
                                     "Feld 'titelbild': 'Bilder\\Titel@2x.BMP' ist 929×914 Pixel groß; als @2x-Bild "
                                     "zu 'Bilder\\Titel.BMP' (465×457) muss es genau 930×914 groß sein, sonst "
                                     "übergeht das Menü es",
                                     "Feld 'bild': 'bilder\\\\knoepfe@2x.bmp' ist 1600×160 Pixel groß; als @2x-Bild "
                                     "zu 'bilder\\\\knoepfe.bmp' (800×160) muss es genau 1600×320 groß sein, sonst "
                                     "übergeht das Menü es"));
}

TEST_F(MediumCheckTest, ATitlePictureOfAnotherSizeThanItsPlaceIsAWarning) {
    medium.Write("bilder/titel.bmp", Bmp24(800, 600));
    EXPECT_THAT(Check(), IsEmpty());
    EXPECT_THAT(Warnings(), ElementsAre("Feld 'titelbild': 'Bilder\\Titel.BMP' ist 800×600 Pixel groß und wird auf "
                                        "465×457 Pixel gestreckt; in genau dieser Größe bleibt es scharf und "
                                        "unverzerrt",
                                        kDocumentsByType));
}

TEST_F(MediumCheckTest, TheReadersInstallerMustBeOnTheMedium) {
    settings.reader.setup = "\"Reader 11\\AdbeRdr.exe\" /sAll";
    EXPECT_THAT(Check(), ElementsAre("Feld 'setup' in [ReaderSetup]: das Installationsprogramm 'Reader "
                                     "11\\AdbeRdr.exe' fehlt auf dem Medium"));
    medium.Write("reader 11/adbERDR.EXE", "MZ");
    EXPECT_THAT(Check(), IsEmpty());
    // Without an installer the menu offers none.
    settings.reader.setup.clear();
    std::filesystem::remove_all(medium.Path() / "reader");
    EXPECT_THAT(Check(), IsEmpty());
}

TEST_F(MediumCheckTest, EveryNameMustFitADisc) {
    medium.Write("dokumente/" + std::string(60, 'x') + ".pdf", "%PDF-1.4");  // 64 characters
    std::string umlauts;  // two bytes each here, one character each on a disc
    for (int i = 0; i < 60; ++i) {
        umlauts += "ä";
    }
    medium.Write("dokumente/" + umlauts + ".pdf", "%PDF-1.4");
    medium.Write("dokumente/" + std::string(61, 'y') + ".pdf", "%PDF-1.4");
    medium.Write("Wer?Wie:Was/liesmich.txt", "");
    EXPECT_THAT(Check(), ElementsAre("Name 'Wer?Wie:Was' enthält '?'; eine CD oder DVD (Joliet) und Windows erlauben "
                                     "* ? : \" < > | und \\ nicht in Namen",
                                     "Name 'dokumente\\" + std::string(61, 'y') +
                                         ".pdf' hat 65 Zeichen; eine CD oder DVD (Joliet) fasst höchstens 64"));
}

TEST_F(MediumCheckTest, AutorunInfMustStartTheMenuWithAnIconOfTheMedium) {
    std::filesystem::remove(medium.Path() / "autorun.inf");
    medium.Write("AUTORUN.INF", "[AutoRun]\r\nOPEN = \"StartArt.exe\"\r\nIcon=startart.exe,0\r\n");
    EXPECT_THAT(Check(), IsEmpty());

    medium.Write("AUTORUN.INF", "[autorun]\nopen=setup.exe\nicon=fehlt.ico\n");
    EXPECT_THAT(Check(),
                ElementsAre("autorun.inf: open=setup.exe startet nicht das Menü; richtig ist open=startart.exe",
                            "autorun.inf: das Symbol 'fehlt.ico' aus icon= fehlt auf dem Medium"));
    medium.Write("AUTORUN.INF", "[Ausführen]\nopen=startart.exe\n[autorun]\nicon=velmo.bmp\n");
    EXPECT_THAT(Check(), ElementsAre("autorun.inf: im Abschnitt [autorun] fehlt open=startart.exe",
                                     "autorun.inf: 'velmo.bmp' aus icon= ist keine Symboldatei (ICO)"));

    std::filesystem::remove(medium.Path() / "AUTORUN.INF");
    settings.buttons[1] = settings.buttons[2] = {"Web", "» Web", "http://velmo.example/"};
    EXPECT_THAT(Check(), IsEmpty());
    EXPECT_THAT(Warnings(), ElementsAre("autorun.inf fehlt; ohne sie bietet Windows das Menü beim Einlegen einer CD "
                                        "oder DVD nicht an"));

    // Windows shows 32 characters of the label, umlauts counting as one.
    medium.Write("autorun.inf", FormatAutorunInf("velmo.ico", "Velmo Verlag – Bücher für draußen"));
    EXPECT_THAT(Warnings(), ElementsAre("autorun.inf: label= hat 33 Zeichen; Windows zeigt als Name des Laufwerks "
                                        "nur die ersten 32"));
    medium.Write("autorun.inf", FormatAutorunInf("velmo.ico", "Velmo Verlag – Bücher für drauß"));
    EXPECT_THAT(Warnings(), IsEmpty());
}

TEST_F(MediumCheckTest, TheButtonPictureMustHoldTheChosenDesign) {
    // 800 x 160: five columns of 160 x 40 cells, four rows.
    for (const Int16 style : {1, 5, 6, 10}) {
        settings.menu.style = style;
        EXPECT_THAT(Check(), IsEmpty()) << style;
    }
    settings.menu.style = 11;
    EXPECT_THAT(Check(), ElementsAre("Feld 'bild': 'bilder\\\\knoepfe.bmp' ist 800×160 Pixel groß; Design 11 mit "
                                     "Zellen von 160×40 Pixeln braucht mindestens 960×160"));

    // Designs from 6 on need rows 2 and 3.
    medium.Write("bilder/knoepfe.bmp", Bmp24(800, 80));
    settings.menu.style = 5;
    EXPECT_THAT(Check(), IsEmpty());
    settings.menu.style = 6;
    EXPECT_THAT(Check(), ElementsAre("Feld 'bild': 'bilder\\\\knoepfe.bmp' ist 800×80 Pixel groß; Design 6 mit "
                                     "Zellen von 160×40 Pixeln braucht mindestens 160×160"));

    settings.menu.style = 0;
    settings.menu.hoehe = -40;
    EXPECT_THAT(Check(), ElementsAre("Feld 'style' ist 0; es muss mindestens 1 sein",
                                     "Feld 'hoehe' ist -40; es muss mindestens 1 sein"));
}

// The window must fit the 1024 x 768 screen the core assumes, and should fit
// the 1280 x 672 pixels above the taskbar of a 1920 x 1080 display at 150 %.
// The window is four thirds as wide as high, so wherever its height fits
// either screen its width fits too: only the height tells. A window too
// large for both is said once, as the problem.
TEST_F(MediumCheckTest, TheWindowMustFitA1024x768ScreenAndShouldFitALaptopAt150Percent) {
    settings.menu.anzahl = 15;
    for (int i = 6; i < 15; ++i) {
        settings.buttons[static_cast<std::size_t>(i)] = {"", "", ""};
    }
    const auto onTheLaptop = [](const std::string& size) {
        return "das Fenster wird " + size +
               " Pixel groß und passt nicht auf einen Bildschirm von 1920×1080 bei 150 % (die häufigste Einstellung "
               "heutiger Laptops; über der Taskleiste bleiben dort 1280×672 Pixel); anzahl, hoehe oder abstand "
               "verkleinern";
    };
    const struct {
        Int16 abstand;  // 9000 + 345 + 16 × abstand twips high
        std::vector<std::string> problems;
        std::vector<std::string> windowWarnings;
    } cases[] = {
        {46, {}, {}},  // 10081 twips: 672 pixels
        {47, {}, {onTheLaptop("897×673")}},
        {136, {}, {onTheLaptop("1024×768")}},
        {137,
         {"das Fenster wird 1025×769 Pixel groß und passt nicht auf einen Bildschirm von 1024×768; anzahl, hoehe oder "
          "abstand verkleinern"},
         {}},
        {2100,  // 16 gaps overflow 16 bits
         {"die Fensterhöhe aus anzahl, hoehe und abstand läuft über 32767 Twips; das Menü bricht mit einem Überlauf "
          "ab"},
         {}},
    };
    for (const auto& c : cases) {
        settings.menu.abstand = c.abstand;
        medium.WriteSettings(settings);
        const MediumFindings findings = CheckMedium(medium.Path());
        std::vector<std::string> windowWarnings;
        std::ranges::copy_if(findings.warnings, std::back_inserter(windowWarnings),
                             [](const std::string& warning) { return warning.starts_with("das Fenster"); });
        EXPECT_THAT(findings.problems, ElementsAreArray(c.problems)) << c.abstand;
        EXPECT_THAT(windowWarnings, ElementsAreArray(c.windowWarnings)) << c.abstand;
    }
}

TEST_F(MediumCheckTest, AtMostFifteenButtons) {
    settings.menu.anzahl = 16;
    settings.menu.hoehe = 20;
    settings.menu.abstand = 0;
    const auto problems = Check();
    EXPECT_THAT(problems, ElementsAre("Feld 'anzahl' ist 16; erlaubt sind 0 bis 15"));
    settings.menu.anzahl = -1;
    EXPECT_THAT(Check(), ElementsAre("Feld 'anzahl' ist -1; erlaubt sind 0 bis 15"));
}

}  // namespace
}  // namespace startart::pack
