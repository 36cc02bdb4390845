#include "pack/cli.h"

#include <algorithm>
#include <optional>
#include <span>

#include "config/record_codec.h"
#include "pack/file_io.h"
#include "pack/medium_check.h"
#include "pack/medium_files.h"
#include "pack/template_medium.h"
#include "pack/text_form.h"
#include "pack/well_formed.h"

namespace startart::pack {
namespace {

constexpr const char* kUsage =
    "Aufruf:\n"
    "  startart-pack init ORDNER                     Vorlage eines Mediums in einen neuen Ordner schreiben\n"
    "  startart-pack unpack st.art [-o medium.ini]   Einstellungen als Text ausgeben\n"
    "  startart-pack pack medium.ini -o st.art       Text zur Datei st.art packen\n"
    "  startart-pack check MEDIENORDNER              Medium prüfen, wie das Menü es sieht\n"
    "  startart-pack --version                       Version ausgeben\n";

struct Arguments {
    std::string command;
    std::vector<std::string> inputs;
    std::optional<std::string> output;
};

// nullopt, with the reason in `err`, for a call that cannot be right.
std::optional<Arguments> ParseArguments(const std::vector<std::string>& args, std::ostream& err) {
    Arguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o") {
            if (parsed.output || ++i == args.size()) {
                err << "-o nennt genau eine Ausgabedatei\n";
                return std::nullopt;
            }
            parsed.output = args[i];
        } else if (args[i].size() > 1 && args[i].starts_with('-')) {
            err << "unbekannte Option '" << args[i] << "'\n";
            return std::nullopt;
        } else if (parsed.command.empty()) {
            parsed.command = args[i];
        } else {
            parsed.inputs.push_back(args[i]);
        }
    }
    if (parsed.command.empty()) {
        return std::nullopt;
    }
    if (parsed.command != "init" && parsed.command != "unpack" && parsed.command != "pack" &&
        parsed.command != "check") {
        err << "unbekannter Befehl '" << parsed.command << "'\n";
        return std::nullopt;
    }
    if (parsed.inputs.size() != 1) {
        err << parsed.command << " erwartet genau "
            << (parsed.command == "unpack" || parsed.command == "pack" ? "eine Eingabedatei\n" : "einen Ordner\n");
        return std::nullopt;
    }
    if (parsed.command == "pack" && !parsed.output) {
        err << "pack: -o st.art fehlt; pack schreibt in die Datei, die -o nennt\n";
        return std::nullopt;
    }
    if ((parsed.command == "init" || parsed.command == "check") && parsed.output) {
        err << parsed.command << " schreibt keine Ausgabedatei; -o gilt nur für unpack und pack\n";
        return std::nullopt;
    }
    return parsed;
}

std::span<const unsigned char> AsBytes(const std::string& text) {
    return {reinterpret_cast<const unsigned char*>(text.data()), text.size()};
}

int Unpack(const std::string& input, const std::optional<std::string>& output, std::ostream& out, std::ostream& err) {
    const auto bytes = ReadFileBytes(PathFromUtf8(input));
    if (!bytes) {
        err << input << ": lässt sich nicht lesen\n";
        return kExitProblems;
    }
    SettingsFile file;
    try {
        file = DecodeSettingsFile(*bytes);
    } catch (const RecordError& error) {
        err << input << ": " << error.what() << "\n";
        return kExitProblems;
    }
    const std::vector<std::string> deviations = WellFormednessProblems(*bytes, file);
    for (const std::string& deviation : deviations) {
        err << input << ": Warnung: " << deviation << "\n";
    }
    if (!deviations.empty()) {
        err << input << ": Warnung: pack macht daraus nicht wieder dieselben Bytes\n";
    }
    const std::string text = PrintTextForm(file);
    if (!output) {
        out << text;
        return kExitOk;
    }
    if (!WriteFileReplacing(PathFromUtf8(*output), AsBytes(text))) {
        err << *output << ": lässt sich nicht schreiben\n";
        return kExitProblems;
    }
    return kExitOk;
}

int Pack(const std::string& input, const std::string& output, std::ostream& err) {
    const auto text = ReadFileBytes(PathFromUtf8(input));
    if (!text) {
        err << input << ": lässt sich nicht lesen\n";
        return kExitProblems;
    }
    std::vector<unsigned char> packed;
    std::vector<std::string> warnings;
    try {
        packed =
            PackTextForm(std::string_view(reinterpret_cast<const char*>(text->data()), text->size()), input, &warnings);
    } catch (const TextFormError& error) {
        err << error.what() << "\n";
        return kExitProblems;
    }
    for (const std::string& warning : warnings) {
        err << warning << "\n";
    }
    if (!WriteFileReplacing(PathFromUtf8(output), packed)) {
        err << output << ": lässt sich nicht schreiben\n";
        return kExitProblems;
    }
    return kExitOk;
}

int Check(const std::string& medium, std::ostream& out, std::ostream& err) {
    std::error_code error;
    if (!std::filesystem::is_directory(PathFromUtf8(medium), error)) {
        err << medium << ": kein Ordner\n";
        return kExitUsage;
    }
    const MediumFindings findings = CheckMedium(PathFromUtf8(medium));
    for (const std::string& problem : findings.problems) {
        out << medium << ": " << problem << "\n";
    }
    for (const std::string& warning : findings.warnings) {
        out << medium << ": Warnung: " << warning << "\n";
    }
    if (!findings.problems.empty()) {
        return kExitProblems;
    }
    out << medium << ": keine Probleme gefunden\n";
    return kExitOk;
}

int Init(const std::string& folder, const std::filesystem::path& toolFolder, std::ostream& out, std::ostream& err) {
    bool menuCopied = false;
    try {
        menuCopied = WriteTemplateMedium(PathFromUtf8(folder), toolFolder);
    } catch (const InitError& error) {
        err << error.what() << "\n";
        return kExitProblems;
    }
    out << folder << ": Vorlage geschrieben\n";
    if (!menuCopied) {
        err << folder << ": Warnung: neben startart-pack liegt kein " << kMenuProgramName << " (gesucht in "
            << Utf8FromPath(toolFolder) << "); das Menü fehlt in der Vorlage und muss dazu kopiert werden\n";
    }
    const auto inFolder = [&](const char* name) { return Utf8FromPath(PathFromUtf8(folder) / name); };
    out << "Weiter: medium.ini und die Bilder anpassen, dann\n"
        << "  startart-pack pack " << inFolder("medium.ini") << " -o " << inFolder("st.art") << "\n"
        << "  startart-pack check " << folder << "\n";
    return kExitOk;
}

}  // namespace

int RunPackTool(const std::vector<std::string>& args,
                const std::filesystem::path& toolFolder,
                std::ostream& out,
                std::ostream& err) {
    const auto asks = [&](std::initializer_list<const char*> options) {
        return std::any_of(args.begin(), args.end(), [&](const std::string& arg) {
            return std::find(options.begin(), options.end(), arg) != options.end();
        });
    };
    if (asks({"-h", "--help"})) {
        out << kUsage;
        return kExitOk;
    }
    if (asks({"--version"})) {
        out << "startart-pack " << STARTART_VERSION << "\n";
        return kExitOk;
    }
    const auto parsed = ParseArguments(args, err);
    if (!parsed) {
        err << kUsage;
        return kExitUsage;
    }
    const std::string& input = parsed->inputs[0];
    if (parsed->command == "init") {
        return Init(input, toolFolder, out, err);
    }
    if (parsed->command == "unpack") {
        return Unpack(input, parsed->output, out, err);
    }
    if (parsed->command == "pack") {
        return Pack(input, *parsed->output, err);
    }
    return Check(input, out, err);
}

}  // namespace startart::pack
