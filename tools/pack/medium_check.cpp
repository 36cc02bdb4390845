#include "pack/medium_check.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

#include "basic/runtime_error.h"
#include "config/read_settings_file.h"
#include "config/record_codec.h"
#include "launch/launch_target.h"
#include "menu/window_size.h"
#include "pack/file_io.h"
#include "pack/medium_files.h"
#include "pack/picture_header.h"

namespace startart::pack {
namespace {

// Twips per pixel of a screen at 96 dots per inch.
constexpr Single kTwipsPerPixel = 15;
constexpr Int16 kMaximumButtons = 15;

class MediumCheck {
  public:
    explicit MediumCheck(const std::filesystem::path& medium) : medium_(medium) {}

    std::vector<std::string> Run() {
        const auto settings = ReadSettings();
        if (!settings) {
            return problems_;
        }
        const MenuSettings& menu = settings->menu;
        CheckWindowSize(menu);
        CheckPicture("icon", menu.icon);
        CheckPicture("titelbild", menu.titelbild);
        CheckButtonPicture(menu);
        if (menu.anzahl < 0 || menu.anzahl > kMaximumButtons) {
            Report("Feld 'anzahl' ist " + std::to_string(menu.anzahl) + "; erlaubt sind 0 bis 15");
        }
        const int buttons = std::clamp<int>(menu.anzahl, 0, kMaximumButtons);
        for (int i = 0; i < buttons; ++i) {
            CheckTarget(i, settings->buttons[static_cast<std::size_t>(i)]);
        }
        return problems_;
    }

  private:
    void Report(std::string problem) { problems_.push_back(std::move(problem)); }

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

    void CheckWindowSize(const MenuSettings& menu) {
        try {
            const long height = std::lround(MainWindowHeight(menu, kTwipsPerPixel) / kTwipsPerPixel);
            const long width = std::lround(height / 0.75);
            if (width > kScreenWidthPixels || height > kScreenHeightPixels) {
                Report("das Fenster wird " + std::to_string(width) + "×" + std::to_string(height) +
                       " Pixel groß und passt nicht auf einen Bildschirm von 1024×768; anzahl, hoehe oder abstand "
                       "verkleinern");
            }
        } catch (const RuntimeError&) {
            Report(
                "die Fensterhöhe aus anzahl, hoehe und abstand läuft über 32767 Twips; das Menü bricht mit "
                "einem Überlauf ab");
        }
    }

    // The header of the picture that `field` names, when it loads.
    std::optional<PictureHeader> CheckPicture(const char* field, const std::string& name) {
        const std::string where = "Feld '" + std::string(field) + "'";
        if (name.empty()) {
            Report(where + " ist leer; das Menü braucht hier ein Bild");
            return std::nullopt;
        }
        const auto path = FindOnMedium(medium_, name);
        const auto bytes = path ? ReadFileBytes(*path) : std::nullopt;
        if (!bytes) {
            Report(where + ": Datei '" + name + "' fehlt");
            return std::nullopt;
        }
        const PictureHeader header = ReadPictureHeader(*bytes);
        if (header.format == PictureFormat::kUnknown) {
            Report(where + ": '" + name + "' ist kein Bild in einem Format, das das Menü lädt (BMP, GIF, JPEG, PNG, " +
                   "TIFF, ICO, CUR)");
            return std::nullopt;
        }
        if (!header.intact) {
            Report(where + ": '" + name + "' ist als " + PictureFormatName(header.format) +
                   " beschädigt oder unvollständig");
            return std::nullopt;
        }
        return header;
    }

    // Designs 1 to 5 take the columns of rows 0 (normal) and 1 (highlighted);
    // designs from 6 on those of rows 2 and 3.
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
        const bool upperDesigns = menu.style >= 6;
        const std::int64_t column = upperDesigns ? menu.style - 6 : menu.style - 1;
        const std::int64_t rows = upperDesigns ? 4 : 2;
        const std::int64_t neededWidth = (column + 1) * menu.breite;
        const std::int64_t neededHeight = rows * menu.hoehe;
        if (header->width < neededWidth || header->height < neededHeight) {
            Report("Feld 'bild': '" + menu.bild + "' ist " + std::to_string(header->width) + "×" +
                   std::to_string(header->height) + " Pixel groß; Design " + std::to_string(menu.style) +
                   " mit Zellen von " + std::to_string(menu.breite) + "×" + std::to_string(menu.hoehe) +
                   " Pixeln braucht mindestens " + std::to_string(neededWidth) + "×" + std::to_string(neededHeight));
        }
    }

    // A button without a label is hidden and cannot be clicked, so its target
    // does not matter. "Ende" closes the menu.
    void CheckTarget(int index, const ButtonEntry& entry) {
        if (entry.button.empty() || entry.anw == "Ende") {
            return;
        }
        const std::string where = "Knopf " + std::to_string(index) + " ('" + entry.button + "')";
        switch (ClassifyTarget(entry.anw)) {
            case TargetKind::kProgram:
            case TargetKind::kRichText:
            case TargetKind::kIniFile:
            case TargetKind::kPdfDocument:
                if (!FindOnMedium(medium_, entry.anw)) {
                    Report(where + ": Ziel '" + entry.anw + "' fehlt auf dem Medium");
                }
                return;
            case TargetKind::kWebAddress:
                return;
            case TargetKind::kNotRecognised:
                Report(where +
                       (entry.anw.empty() ? " hat kein Ziel" : ": Ziel '" + entry.anw + "' kennt das Menü nicht") +
                       "; es öffnet Dateien auf .exe, .rtf, .ini und .pdf (klein geschrieben), Adressen mit http:// "
                       "oder https:// und 'Ende'");
                return;
        }
    }

    const std::filesystem::path& medium_;
    std::vector<std::string> problems_;
};

}  // namespace

std::vector<std::string> CheckMedium(const std::filesystem::path& medium) {
    return MediumCheck(medium).Run();
}

}  // namespace startart::pack
