#include "config/read_settings_file.h"

#include <algorithm>

#include "basic/program_end.h"
#include "config/program_directory.h"
#include "config/record_codec.h"
#include "toolkit/platform.h"

namespace startart {

std::string SettingsFailureMessage() {
    return std::string("Ein Fehler ist beim Lesen der Datei '") + kSettingsFileName + "' aufgetreten!\r\n" +
           "Entweder die Datei existiert nicht oder sie enthält einen fehlerhaften Eintrag.";
}

namespace {

[[noreturn]] void Fail(Platform& platform) {
    platform.ShowMessage(SettingsFailureMessage(), platform.ApplicationTitle());
    EndProgram(ExitStatus::kSettingsUnreadable);
}

}  // namespace

void ReadSettingsFile(Platform& platform,
                      MenuSettings& menu,
                      InfoSettings& info,
                      ReaderSetup& reader,
                      ButtonSlots& buttons) {
    const std::string directory = ProgramDirectory(platform.ExecutableDirectory());
    const auto bytes = platform.ReadFileHead(directory + kSettingsFileName, kSettingsFileLength);
    if (!bytes) {
        Fail(platform);
    }
    SettingsFile file;
    try {
        file = DecodeSettingsFile(*bytes);
    } catch (const RecordError&) {
        Fail(platform);
    }
    menu = std::move(file.menu);
    info = std::move(file.info);
    reader = std::move(file.reader);
    std::move(file.buttons.begin(), file.buttons.end(), buttons.begin());
    buttons[kStoredButtons] = ButtonEntry{};
    menu.pfad = directory;
}

}  // namespace startart
