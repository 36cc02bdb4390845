#include "pack/cli.h"

#include <filesystem>
#include <optional>
#include <span>

#include "config/record_codec.h"
#include "pack/file_io.h"
#include "pack/medium_check.h"
#include "pack/medium_files.h"
#include "pack/text_form.h"
#include "pack/well_formed.h"

namespace startart::pack {
namespace {

constexpr const char* kUsage =
    "Aufruf:\n"
    "  startart-pack unpack st.art [-o medium.ini]   Einstellungen als Text ausgeben\n"
    "  startart-pack pack medium.ini -o st.art       Text zur Datei st.art packen\n"
    "  startart-pack check MEDIENORDNER              Medium prüfen, wie das Menü es sieht\n";

struct Arguments {
    std::string command;
    std::vector<std::string> inputs;
    std::optional<std::string> output;
};

std::optional<Arguments> ParseArguments(const std::vector<std::string>& args) {
    Arguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o") {
            if (parsed.output || ++i == args.size()) {
                return std::nullopt;
            }
            parsed.output = args[i];
        } else if (parsed.command.empty()) {
            parsed.command = args[i];
        } else {
            parsed.inputs.push_back(args[i]);
        }
    }
    if (parsed.inputs.size() != 1) {
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
    try {
        packed = PackTextForm(std::string_view(reinterpret_cast<const char*>(text->data()), text->size()), input);
    } catch (const TextFormError& error) {
        err << error.what() << "\n";
        return kExitProblems;
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

}  // namespace

int RunPackTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() == 1 && (args[0] == "-h" || args[0] == "--help")) {
        out << kUsage;
        return kExitOk;
    }
    const auto parsed = ParseArguments(args);
    if (parsed && parsed->command == "unpack") {
        return Unpack(parsed->inputs[0], parsed->output, out, err);
    }
    if (parsed && parsed->command == "pack" && parsed->output) {
        return Pack(parsed->inputs[0], *parsed->output, err);
    }
    if (parsed && parsed->command == "check" && !parsed->output) {
        return Check(parsed->inputs[0], out, err);
    }
    err << kUsage;
    return kExitUsage;
}

}  // namespace startart::pack
