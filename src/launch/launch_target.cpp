#include "launch/launch_target.h"

#include "app/application.h"
#include "launch/module2.h"
#include "toolkit/form.h"
#include "toolkit/platform.h"
#include "toolkit/start_or_report.h"

namespace startart {
namespace {

constexpr const char* kWritePrefix = "write ";
constexpr const char* kExplorerPrefix = "explorer ";

std::string MissingReaderMessage() {
    return "Adobe® Acrobat® Reader ist nicht richtig installiert!\r\n"
           "Adobe® Acrobat® Reader muss installiert sein, um fortzufahren!";
}

std::string NotRecognisedMessage(const std::string& directory, const std::string& target) {
    return "Die angegebene Datei '" + directory + target + "' konnte nicht geöffnet werden!";
}

// Rich-text documents went to "write", which newer Windows no longer ships:
// when it is missing, the document opens with the program that Windows
// associates with its type.
void StartDocumentWithWrite(Platform& platform, const std::string& commandLine, const std::string& document) {
    auto failure = StartCommand(platform, commandLine, ShowState::kNormal, SystemProgram::kWrite);
    if (failure && failure->kind == StartFailure::Kind::kProgramMissing) {
        // The association's reason is the one the user can act on.
        failure = platform.OpenDocument(document, ShowState::kNormal);
    }
    if (failure) {
        ReportStartFailure(platform, commandLine, *failure);
    }
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

void LaunchTarget(Application& app, const std::string& target) {
    Platform& platform = app.GetPlatform();
    const std::string& directory = app.ProgramFolder();

    std::string prefix;
    SystemProgram program = SystemProgram::kNone;
    switch (ClassifyTarget(target)) {
        case TargetKind::kProgram:
            StartOrReport(platform, target, ShowState::kNormal);
            return;
        case TargetKind::kWebAddress:
            StartOrReport(platform, kExplorerPrefix + target, ShowState::kNormal, SystemProgram::kExplorer);
            return;
        case TargetKind::kRichText:
            prefix = kWritePrefix;
            break;
        case TargetKind::kIniFile:
            prefix = "notepad ";
            program = SystemProgram::kNotepad;
            break;
        case TargetKind::kPdfDocument: {
            RegistryAccess& registry = platform.Registry();
            if (!RegistryValueExists(registry, kClassesRoot, kReaderKey, "")) {
                if (!app.reader.setup.empty()) {
                    app.ReaderNotice().Show();
                } else {
                    MsgBox(platform, MissingReaderMessage());
                }
                return;
            }
            // Kept with its quotes: a reader path with spaces must stay one
            // quoted program name, or the system tries its first word.
            prefix = ReadRegistryValue(registry, kClassesRoot, kReaderKey, "") + " ";
            break;
        }
        case TargetKind::kNotRecognised:
            MsgBox(platform, NotRecognisedMessage(directory, target));
            return;
    }

    const std::string document = directory + target;
    const std::string commandLine = prefix + "\"" + document + "\"";
    if (prefix == kWritePrefix) {
        StartDocumentWithWrite(platform, commandLine, document);
    } else {
        StartOrReport(platform, commandLine, ShowState::kNormal, program);
    }
}

}  // namespace startart
