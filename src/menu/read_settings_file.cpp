#include "menu/read_settings_file.h"

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

SettingsFile ReadSettingsFile(Platform& platform) {
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
    file.menu.pfad = directory;
    return file;
}

}  // namespace startart
