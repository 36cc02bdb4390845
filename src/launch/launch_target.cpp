#include "launch/launch_target.h"

#include "launch/reader_registry.h"
#include "toolkit/form.h"
#include "toolkit/platform.h"
#include "start/start_or_report.h"

namespace startart {
namespace {

std::string MissingReaderMessage() {
    return "Adobe® Acrobat® Reader ist nicht richtig installiert!\r\n"
           "Adobe® Acrobat® Reader muss installiert sein, um fortzufahren!";
}

std::string NotRecognisedMessage(const std::string& directory, const std::string& target) {
    return "Die angegebene Datei '" + directory + target + "' konnte nicht geöffnet werden!";
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// With the reader that the registry names, or, where none is, the notice
// that offers the medium's installer or the message that the reader is
// missing.
void OpenPdfDocument(LaunchContext& context, const std::string& document) {
    Platform& platform = context.GetPlatform();
    RegistryAccess& registry = platform.Registry();
    if (!RegistryValueExists(registry, kClassesRoot, kReaderKey, "")) {
        if (!context.Reader().setup.empty()) {
            context.ShowReaderNotice();
        } else {
            MsgBox(platform, MissingReaderMessage());
        }
        return;
    }
    // Kept with its quotes: a reader path with spaces must stay one quoted
    // program name, or the system tries its first word.
    const std::string reader = ReadRegistryValue(registry, kClassesRoot, kReaderKey, "");
    StartOrReport(platform, reader + " " + Quoted(document), ShowState::kNormal);
}

}  // namespace

std::string TargetExtension(const std::string& target) {
    // Cutting at the first dot until no dot is left ends at the last one.
    const auto dot = target.rfind('.');
    return dot == std::string::npos ? target : target.substr(dot + 1);
}

TargetKind ClassifyTarget(const std::string& target) {
    const std::string extension = TargetExtension(target);
    for (const auto& [known, kind] : kTargetExtensions) {
        if (extension == known) {
            return kind;
        }
    }
    for (const char* marker : kWebMarkers) {
        if (target.starts_with(marker)) {
            return TargetKind::kWebAddress;
        }
    }
    return TargetKind::kNotRecognised;
}

void LaunchTarget(LaunchContext& context, const std::string& target) {
    Platform& platform = context.GetPlatform();
    const std::string document = context.ProgramFolder() + target;
    switch (ClassifyTarget(target)) {
        case TargetKind::kProgram:
            StartOrReport(platform, target, ShowState::kNormal);
            return;
        case TargetKind::kWebAddress:
            OpenWebAddressOrReport(platform, target);
            return;
        case TargetKind::kRichText:
            OpenDocumentOrReport(platform, "write " + Quoted(document), SystemProgram::kWrite, document);
            return;
        case TargetKind::kIniFile:
            OpenDocumentOrReport(platform, "notepad " + Quoted(document), SystemProgram::kNotepad, document);
            return;
        case TargetKind::kPdfDocument:
            OpenPdfDocument(context, document);
            return;
        case TargetKind::kNotRecognised:
            MsgBox(platform, NotRecognisedMessage(context.ProgramFolder(), target));
            return;
    }
}

}  // namespace startart
