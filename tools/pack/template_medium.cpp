#include "pack/template_medium.h"

#include <string_view>
#include <system_error>

#include "config/record_codec.h"
#include "pack/autorun_inf.h"
#include "pack/file_io.h"
#include "pack/medium_files.h"
#include "pack/template_files.h"
#include "pack/text_form.h"

namespace startart::pack {
namespace {

constexpr std::string_view kTextFormName = "medium.ini";

std::string_view AsText(std::span<const unsigned char> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

void Write(const std::filesystem::path& folder, std::string_view relative, std::span<const unsigned char> bytes) {
    const std::filesystem::path file = (folder / PathFromUtf8(relative)).make_preferred();
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    if (error || !WriteFileReplacing(file, bytes)) {
        throw InitError(Utf8FromPath(file) + ": lässt sich nicht schreiben");
    }
}

}  // namespace

bool WriteTemplateMedium(const std::filesystem::path& folder, const std::filesystem::path& menuFolder) {
    std::error_code error;
    if (std::filesystem::exists(folder, error)) {
        if (!std::filesystem::is_directory(folder, error)) {
            throw InitError(Utf8FromPath(folder) + ": ist kein Ordner");
        }
        if (!std::filesystem::is_empty(folder, error)) {
            throw InitError(Utf8FromPath(folder) +
                            ": der Ordner ist nicht leer; init schreibt die Vorlage nur in einen leeren oder neuen "
                            "Ordner");
        }
    }
    std::string_view textForm;
    for (const TemplateFile& file : TemplateFiles()) {
        Write(folder, file.path, file.bytes);
        if (file.path == kTextFormName) {
            textForm = AsText(file.bytes);
        }
    }
    // The template's settings are part of the tool: they always pack.
    const std::vector<unsigned char> settings = PackTextForm(textForm, std::string(kTextFormName));
    Write(folder, kSettingsFileName, settings);
    const MenuSettings menu = DecodeSettingsFile(settings).menu;
    Write(folder, kAutorunFileName, FormatAutorunInf(menu.icon, menu.titel));

    const auto menuProgram = FindOnMedium(menuFolder, kMenuProgramName);
    if (!menuProgram) {
        return false;
    }
    std::filesystem::copy_file(*menuProgram, folder / kMenuProgramName, error);
    if (error) {
        throw InitError(Utf8FromPath(folder / kMenuProgramName) + ": lässt sich nicht schreiben");
    }
    return true;
}

}  // namespace startart::pack
