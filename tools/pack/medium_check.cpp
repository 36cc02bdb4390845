#include "pack/medium_check.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <optional>
#include <vector>

#include "basic/runtime_error.h"
#include "config/record_codec.h"
#include "launch/launch_target.h"
#include "menu/button_cell.h"
#include "menu/window_layout.h"
#include "pack/autorun_inf.h"
#include "pack/disc_names.h"
#include "pack/dos_attributes.h"
#include "pack/file_io.h"
#include "pack/medium_files.h"
#include "pack/picture_header.h"
#include "pack/program_signature.h"
#include "toolkit/command_line.h"
#include "toolkit/high_resolution_picture.h"
#include "toolkit/picture_limits.h"

namespace startart::pack {
namespace {

// Windows shows no more of autorun.inf's label as the drive's name.
constexpr std::size_t kShownLabelCharacters = 32;

// Characters of UTF-8 text: every byte that does not continue a character.
std::size_t CharacterCount(const std::string& utf8) {
    return static_cast<std::size_t>(
        std::ranges::count_if(utf8, [](char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }));
}

std::string Size(std::uint64_t width, std::uint64_t height) {
    return std::to_string(width) + "×" + std::to_string(height);
}

// The commonest laptop setting today: a display of 1920 × 1080 pixels at
// 150 %, which the menu, laid out in 96-dpi pixels, sees as 1280 × 720.
// Windows 11's taskbar is 48 pixels high at 100 % and grows with the scale,
// so it takes 48 of those at the bottom.
constexpr int kLaptopDisplayWidth = 1920;
constexpr int kLaptopDisplayHeight = 1080;
constexpr int kLaptopScalePercent = 150;
constexpr int kTaskbarHeight = 48;

constexpr ScreenMetrics LaptopWorkArea() {
    ScreenMetrics area;
    area.widthPixels = kLaptopDisplayWidth * 100 / kLaptopScalePercent;
    area.heightPixels = kLaptopDisplayHeight * 100 / kLaptopScalePercent - kTaskbarHeight;
    return area;
}

int WidthPixels(const Screen& screen) {
    return screen.ToPixelsX(screen.Width());
}

int HeightPixels(const Screen& screen) {
    return screen.ToPixelsY(screen.Height());
}

bool FitsOn(const PixelRect& window, const Screen& screen) {
    return window.width <= WidthPixels(screen) && window.height <= HeightPixels(screen);
}

// Whether the last part of a file name has a dot; Windows appends ".exe" to
// a program named without one.
bool HasExtension(const std::string& name) {
    const std::size_t lastPart = name.find_last_of("\\/");
    return name.find('.', lastPart == std::string::npos ? 0 : lastPart + 1) != std::string::npos;
}

// An icon in a program or library is named with its index: "startart.exe,0".
std::string WithoutIconIndex(const std::string& icon) {
    const std::size_t comma = icon.rfind(',');
    if (comma == std::string::npos) {
        return icon;
    }
    const std::string index = icon.substr(comma + 1);
    const bool isIndex = !index.empty() && index.find_first_not_of("-0123456789 ") == std::string::npos;
    return isIndex ? icon.substr(0, comma) : icon;
}

// "a, b und c", with the German word for the last joint.
std::string Enumeration(const std::vector<std::string>& items, const std::string& lastJoint) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) {
            text += i + 1 == items.size() ? " " + lastJoint + " " : ", ";
        }
        text += items[i];
    }
    return text;
}

// What the menu opens, for a target it does not know.
std::string KnownTargets() {
    std::vector<std::string> extensions;
    for (const auto& [extension, kind] : kTargetExtensions) {
        extensions.push_back(std::string(".").append(extension));
    }
    const std::vector<std::string> webMarkers(std::begin(kWebMarkers), std::end(kWebMarkers));
    return "es öffnet Dateien auf " + Enumeration(extensions, "und") + " (klein geschrieben), Adressen mit " +
           Enumeration(webMarkers, "oder") + " und '" + kEndTarget + "'";
}

class MediumCheck {
  public:
    explicit MediumCheck(const std::filesystem::path& medium)
        : medium_(medium), screen_(ScreenMetrics{}), laptop_(LaptopWorkArea()) {}

    MediumFindings Run() {
        if (const auto menu = FindOnMedium(medium_, kMenuProgramName)) {
            WarnIfUnsigned(*menu, kMenuProgramName);
        } else {
            Report(std::string(kMenuProgramName) + " fehlt neben " + kSettingsFileName +
                   "; ohne das Menü startet vom Medium nichts");
        }
        if (const auto settings = ReadSettings()) {
            CheckSettings(*settings);
        }
        for (std::string& problem : DiscNameProblems(medium_)) {
            Report(std::move(problem));
        }
        CheckAutorun();
        return std::move(findings_);
    }

  private:
    void Report(std::string problem) { findings_.problems.push_back(std::move(problem)); }
    void Warn(std::string warning) { findings_.warnings.push_back(std::move(warning)); }

    // Smart App Control starts no unsigned program that Microsoft's cloud does
    // not know, and offers no way round; SmartScreen warns about one that came
    // from a download.
    void WarnIfUnsigned(const std::filesystem::path& program, const std::string& what) {
        if (!HasAuthenticodeSignature(program)) {
            Warn(what +
                 " trägt keine Authenticode-Signatur; Smart App Control kann den Start verweigern und SmartScreen "
                 "davor warnen");
        }
    }

    std::optional<SettingsFile> ReadSettings() {
        const auto path = FindOnMedium(medium_, kSettingsFileName);
        if (!path) {
            Report(std::string(kSettingsFileName) + " fehlt");
            return std::nullopt;
        }
        const auto bytes = ReadFileBytes(*path);
        if (!bytes) {
            Report(std::string(kSettingsFileName) + " lässt sich nicht lesen");
            return std::nullopt;
        }
        try {
            return DecodeSettingsFile(*bytes);
        } catch (const RecordError& error) {
            Report(std::string(kSettingsFileName) + ": " + error.what());
            return std::nullopt;
        }
    }

    void CheckSettings(const SettingsFile& settings) {
        const MenuSettings& menu = settings.menu;
        const auto layout = CheckWindowSize(menu);
        CheckPicture("icon", menu.icon);
        CheckTitlePicture(menu, layout);
        CheckButtonPicture(menu);
        if (menu.anzahl < 0 || menu.anzahl > kStoredButtons) {
            Report("Feld 'anzahl' ist " + std::to_string(menu.anzahl) + "; erlaubt sind 0 bis " +
                   std::to_string(kStoredButtons));
        }
        const int buttons = std::clamp<int>(menu.anzahl, 0, kStoredButtons);
        for (int i = 0; i < buttons; ++i) {
            CheckTarget(i, settings.buttons[static_cast<std::size_t>(i)]);
        }
        // Where WordPad or Notepad is missing, as newer Windows may have it.
        if (documentsOpenedByType_) {
            Warn(
                ".rtf- und .ini-Ziele öffnet Windows mit dem Programm, das es dem Dateityp zuordnet; ab Windows 11 "
                "24H2 fehlt WordPad, dann braucht .rtf ein eigenes Programm");
        }
        CheckReaderInstaller(settings.reader);
    }

    // The window as start-up lays it out, when that does not overflow.
    std::optional<MainWindowLayout> CheckWindowSize(const MenuSettings& menu) {
        MainWindowLayout layout;
        try {
            layout = PlanMainWindow(menu, screen_);
        } catch (const RuntimeError&) {
            Report(
                "die Fensterhöhe aus anzahl, hoehe und abstand läuft über 32767 Twips; das Menü bricht mit "
                "einem Überlauf ab");
            return std::nullopt;
        }
        const PixelRect& window = layout.window;
        if (!FitsOn(window, screen_)) {
            Report("das Fenster wird " + Size(window.width, window.height) +
                   " Pixel groß und passt nicht auf einen Bildschirm von " +
                   Size(WidthPixels(screen_), HeightPixels(screen_)) + "; anzahl, hoehe oder abstand verkleinern");
        } else if (!FitsOn(window, laptop_)) {
            Warn("das Fenster wird " + Size(window.width, window.height) +
                 " Pixel groß und passt nicht auf einen Bildschirm von " +
                 Size(kLaptopDisplayWidth, kLaptopDisplayHeight) + " bei " + std::to_string(kLaptopScalePercent) +
                 " % (die häufigste Einstellung heutiger Laptops; über der Taskleiste bleiben dort " +
                 Size(WidthPixels(laptop_), HeightPixels(laptop_)) + " Pixel); anzahl, hoehe oder abstand verkleinern");
        }
        return layout;
    }

    // The header of the picture that `field` names, when it loads; its
    // high-resolution partner, where one lies beside it, is checked with it.
    std::optional<PictureHeader> CheckPicture(const char* field, const std::string& name) {
        const std::string where = "Feld '" + std::string(field) + "'";
        if (name.empty()) {
            Report(where + " ist leer; das Menü braucht hier ein Bild");
            return std::nullopt;
        }
        const auto path = FindOnMedium(medium_, name);
        if (!path) {
            Report(where + ": Datei '" + name + "' fehlt");
            return std::nullopt;
        }
        const auto header = CheckPictureFile(where, name, *path);
        if (header) {
            CheckHighResolutionPicture(where, name, *header);
        }
        return header;
    }

    // Above 100 % the menu draws a picture's high-resolution partner in its
    // place. One that does not load, or has another size than the rule asks,
    // it passes over, and the publisher's sharper picture is never seen; at
    // 100 %, where a medium is usually tried out, nothing shows the fault.
    void CheckHighResolutionPicture(const std::string& where, const std::string& name, const PictureHeader& picture) {
        const std::string partnerName = HighResolutionName(name);
        const auto path = FindOnMedium(medium_, partnerName);
        if (!path) {
            return;
        }
        const auto partner = CheckPictureFile(where, partnerName, *path);
        if (partner && !IsHighResolutionPartner(partner->width, partner->height, picture.width, picture.height)) {
            Report(where + ": '" + partnerName + "' ist " + Size(partner->width, partner->height) +
                   " Pixel groß; als @2x-Bild zu '" + name + "' (" + Size(picture.width, picture.height) +
                   ") muss es genau " +
                   Size(picture.width * kHighResolutionFactor, picture.height * kHighResolutionFactor) +
                   " groß sein, sonst übergeht das Menü es");
        }
    }

    // The header of the picture file `name` at `path`, when the menu loads
    // it: in a format it knows, within the size it accepts, and whole.
    std::optional<PictureHeader> CheckPictureFile(const std::string& where,
                                                  const std::string& name,
                                                  const std::filesystem::path& path) {
        const auto bytes = ReadFileBytes(path);
        if (!bytes) {
            Report(where + ": '" + name + "' lässt sich nicht lesen");
            return std::nullopt;
        }
        const PictureHeader header = ReadPictureHeader(*bytes);
        if (header.format == PictureFormat::kUnknown) {
            Report(where + ": '" + name + "' ist kein Bild in einem Format, das das Menü lädt (" +
                   PictureFormatNames(", ") + ")");
            return std::nullopt;
        }
        // The menu refuses a picture by the size it claims before it reads
        // any pixels, whether they follow or not.
        if (!PictureSizeAllowed(header.width, header.height)) {
            Report(where + ": '" + name + "' gibt " + Size(header.width, header.height) +
                   " Pixel an; das Menü lädt Bilder bis " + std::to_string(kMaxPictureEdge) + " Pixel je Seite und " +
                   std::to_string(kMaxPicturePixels / 1'000'000) + " Millionen Pixel");
            return std::nullopt;
        }
        if (!header.intact) {
            Report(where + ": '" + name + "' ist als " + PictureFormatName(header.format) +
                   " beschädigt oder unvollständig");
            return std::nullopt;
        }
        return header;
    }

    // A title picture of another size than its place is stretched to it,
    // and so distorted or blurred.
    void CheckTitlePicture(const MenuSettings& menu, const std::optional<MainWindowLayout>& layout) {
        const auto header = CheckPicture("titelbild", menu.titelbild);
        if (!header || !layout) {
            return;
        }
        const PixelRect& title = layout->title;
        if (header->width != static_cast<std::uint32_t>(title.width) ||
            header->height != static_cast<std::uint32_t>(title.height)) {
            Warn("Feld 'titelbild': '" + menu.titelbild + "' ist " + Size(header->width, header->height) +
                 " Pixel groß und wird auf " + Size(title.width, title.height) +
                 " Pixel gestreckt; in genau dieser Größe bleibt es scharf und unverzerrt");
        }
    }

    // The picture must reach to the right of the design's column and below
    // its highlighted cell.
    void CheckButtonPicture(const MenuSettings& menu) {
        const auto header = CheckPicture("bild", menu.bild);
        bool usable = true;
        for (const auto& [field, value] :
             {std::pair{"style", menu.style}, {"breite", menu.breite}, {"hoehe", menu.hoehe}}) {
            if (value <= 0) {
                Report("Feld '" + std::string(field) + "' ist " + std::to_string(value) +
                       "; es muss mindestens 1 sein");
                usable = false;
            }
        }
        if (!header || !usable) {
            return;
        }
        const DesignCells cells = CellsOfDesign(menu.style);
        const std::int64_t neededWidth = std::int64_t{cells.column + 1} * menu.breite;
        const std::int64_t neededHeight = std::int64_t{cells.highlightedRow + 1} * menu.hoehe;
        if (header->width < neededWidth || header->height < neededHeight) {
            Report("Feld 'bild': '" + menu.bild + "' ist " + Size(header->width, header->height) +
                   " Pixel groß; Design " + std::to_string(menu.style) + " mit Zellen von " +
                   Size(menu.breite, menu.hoehe) + " Pixeln braucht mindestens " + Size(neededWidth, neededHeight));
        }
    }

    // A button without a label is hidden and cannot be clicked, so its target
    // does not matter. The end target closes the menu.
    void CheckTarget(int index, const ButtonEntry& entry) {
        if (entry.button.empty() || entry.anw == kEndTarget) {
            return;
        }
        const std::string where = "Knopf " + std::to_string(index) + " ('" + entry.button + "')";
        const TargetKind kind = ClassifyTarget(entry.anw);
        switch (kind) {
            case TargetKind::kProgram:
            case TargetKind::kRichText:
            case TargetKind::kIniFile:
            case TargetKind::kPdfDocument:
                documentsOpenedByType_ |= kind == TargetKind::kRichText || kind == TargetKind::kIniFile;
                if (const auto target = FindOnMedium(medium_, entry.anw)) {
                    if (kind == TargetKind::kProgram) {
                        WarnIfUnsigned(*target, where + ": das Programm '" + entry.anw + "'");
                    }
                } else {
                    Report(where + ": Ziel '" + entry.anw + "' fehlt auf dem Medium");
                }
                return;
            case TargetKind::kWebAddress:
                return;
            case TargetKind::kNotRecognised:
                Report(where +
                       (entry.anw.empty() ? " hat kein Ziel" : ": Ziel '" + entry.anw + "' kennt das Menü nicht") +
                       "; " + KnownTargets());
                return;
        }
    }

    // The installer is started from the medium, where the menu started:
    // its command line's program must be there.
    void CheckReaderInstaller(const ReaderSetup& reader) {
        if (reader.setup.empty()) {
            return;
        }
        const std::string program = SplitCommandLine(reader.setup).program;
        auto installer = FindOnMedium(medium_, program);
        if (!installer && !HasExtension(program)) {
            installer = FindOnMedium(medium_, program + ".exe");
        }
        const std::string where = "Feld 'setup' in [ReaderSetup]: das Installationsprogramm '" + program + "'";
        if (installer) {
            WarnIfUnsigned(*installer, where);
        } else {
            Report(where + " fehlt auf dem Medium");
        }
    }

    void CheckAutorun() {
        const auto path = FindOnMedium(medium_, kAutorunFileName);
        if (!path) {
            Warn(std::string(kAutorunFileName) +
                 " fehlt; ohne sie bietet Windows das Menü beim Einlegen einer CD oder DVD nicht an");
            return;
        }
        CheckAutorunAttributes(*path);
        const auto bytes = ReadFileBytes(*path);
        if (!bytes) {
            Report(std::string(kAutorunFileName) + " lässt sich nicht lesen");
            return;
        }
        const AutorunEntries entries = ParseAutorunInf(*bytes);
        const std::string where = std::string(kAutorunFileName) + ": ";
        if (!entries.open) {
            Report(where + "im Abschnitt [autorun] fehlt open=" + kMenuProgramName);
        } else if (!SameIgnoringCase(SplitCommandLine(*entries.open).program, kMenuProgramName)) {
            Report(where + "open=" + *entries.open + " startet nicht das Menü; richtig ist open=" + kMenuProgramName);
        }
        if (entries.icon) {
            CheckAutorunIcon(where, WithoutIconIndex(*entries.icon));
        }
        if (entries.label && CharacterCount(*entries.label) > kShownLabelCharacters) {
            Warn(where + "label= hat " + std::to_string(CharacterCount(*entries.label)) +
                 " Zeichen; Windows zeigt als Name des Laufwerks nur die ersten " +
                 std::to_string(kShownLabelCharacters));
        }
    }

    // Malware hides the autorun.inf it writes; virus scanners' generic
    // detections look out for exactly that.
    void CheckAutorunAttributes(const std::filesystem::path& autorun) {
        const auto attributes = ReadDosAttributes(autorun);
        if (!attributes || (!attributes->hidden && !attributes->system)) {
            return;
        }
        const char* marked = attributes->hidden && attributes->system ? "versteckt und eine Systemdatei"
                             : attributes->hidden                     ? "versteckt"
                                                                      : "eine Systemdatei";
        Warn(std::string(kAutorunFileName) + " ist " + marked +
             "; so tarnt Schadsoftware ihre autorun.inf, und Virenscanner schlagen darum Alarm (attrib -h -s " +
             kAutorunFileName + " macht sie zu einer gewöhnlichen Datei)");
    }

    // An icon file, or a program or library that holds icons.
    void CheckAutorunIcon(const std::string& where, const std::string& icon) {
        const auto path = FindOnMedium(medium_, icon);
        if (!path) {
            Report(where + "das Symbol '" + icon + "' aus icon= fehlt auf dem Medium");
            return;
        }
        const std::string extension = TargetExtension(icon);
        if (SameIgnoringCase(extension, "exe") || SameIgnoringCase(extension, "dll")) {
            return;
        }
        const auto bytes = ReadFileBytes(*path);
        const PictureHeader header = bytes ? ReadPictureHeader(*bytes) : PictureHeader{};
        if (header.format != PictureFormat::kIco || !header.intact) {
            Report(where + "'" + icon + "' aus icon= ist keine Symboldatei (ICO)");
        }
    }

    const std::filesystem::path& medium_;
    // The screen the menu's core assumes: the window must fit it.
    const Screen screen_;
    // The window should fit here too, or on the commonest laptops its lower
    // part lies under the taskbar or beyond the screen.
    const Screen laptop_;
    MediumFindings findings_;
    // Whether a visible button opens an .rtf or .ini document.
    bool documentsOpenedByType_ = false;
};

}  // namespace

MediumFindings CheckMedium(const std::filesystem::path& medium) {
    return MediumCheck(medium).Run();
}

}  // namespace startart::pack
