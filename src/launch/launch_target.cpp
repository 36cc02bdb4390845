#include "launch/launch_target.h"

#include "app/application.h"
#include "launch/module2.h"
#include "launch/process_start.h"
#include "menu/form1.h"
#include "toolkit/platform.h"
#include "windows/form3.h"

namespace startart {
namespace {

constexpr const char* kWebMarker = "http://";
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
    auto failure = platform.StartProcess(commandLine, ShowState::kNormal);
    if (failure && failure->programMissing) {
        // The association's reason is the one the user can act on.
        failure = platform.OpenDocument(document, ShowState::kNormal);
    }
    if (failure) {
        MsgBox(platform, StartFailureMessage(commandLine, *failure));
    }
}

}  // namespace

std::string TargetExtension(const std::string& target) {
    // Cutting at the first dot until no dot is left ends at the last one.
    const auto dot = target.rfind('.');
    return dot == std::string::npos ? target : target.substr(dot + 1);
}

void LaunchTarget(Application& app, const std::string& target) {
    Platform& platform = app.GetPlatform();
    const std::string& directory = app.MainWindow().settings.pfad;
    const std::string extension = TargetExtension(target);

    std::string prefix;
    bool recognised = false;
    if (extension == "exe") {
        recognised = true;
    } else if (extension == "rtf") {
        prefix = kWritePrefix;
        recognised = true;
    } else if (extension == "ini") {
        prefix = "notepad ";
        recognised = true;
    } else if (extension == "pdf") {
        RegistryAccess& registry = platform.Registry();
        if (RegistryValueExists(registry, kClassesRoot, kReaderKey, "")) {
            // Kept with its quotes: a reader path with spaces must stay one
            // quoted program name, or the system tries its first word.
            prefix = ReadRegistryValue(registry, kClassesRoot, kReaderKey, "") + " ";
            recognised = true;
        } else if (!app.reader.setup.empty()) {
            app.ReaderNotice().Show();
            return;
        } else {
            MsgBox(platform, MissingReaderMessage());
            return;
        }
    } else if (target.compare(0, 7, kWebMarker) == 0) {
        prefix = kExplorerPrefix;
        recognised = true;
    }

    if (!recognised) {
        MsgBox(platform, NotRecognisedMessage(directory, target));
        return;
    }
    if (prefix.empty() || prefix == kExplorerPrefix) {
        StartOrReport(platform, prefix + target, ShowState::kNormal);
        return;
    }
    const std::string document = directory + target;
    const std::string commandLine = prefix + "\"" + document + "\"";
    if (prefix == kWritePrefix) {
        StartDocumentWithWrite(platform, commandLine, document);
    } else {
        StartOrReport(platform, commandLine, ShowState::kNormal);
    }
}

}  // namespace startart
