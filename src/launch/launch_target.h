// Opening a button's target: programs directly, rich-text documents with
// "write", ini files with "notepad" (or what newer Windows has instead), PDF
// documents with the reader that the registry names, web addresses with the
// browser. Nothing is waited for.
#pragma once

#include <string>

#include "config/settings.h"

namespace startart {

class Platform;

// What opening a target asks of the rest of the program.
class LaunchContext {
  public:
    virtual Platform& GetPlatform() const = 0;
    // The program directory with its trailing backslash.
    virtual const std::string& ProgramFolder() const = 0;
    virtual const ReaderSetup& Reader() const = 0;
    // Shows the notice that offers the reader's installer from the medium.
    virtual void ShowReaderNotice() = 0;

  protected:
    ~LaunchContext() = default;
};

inline constexpr const char* kReaderKey = "Software\\Adobe\\Acrobat\\Exe";

// The text after the last dot of the target; the whole target when it has
// no dot.
std::string TargetExtension(const std::string& target);

enum class TargetKind { kProgram, kRichText, kIniFile, kPdfDocument, kWebAddress, kNotRecognised };

struct TargetExtensionKind {
    const char* extension;
    TargetKind kind;
};

// The files the menu opens, by their extension exactly as written.
inline constexpr TargetExtensionKind kTargetExtensions[] = {
    {"exe", TargetKind::kProgram},
    {"rtf", TargetKind::kRichText},
    {"ini", TargetKind::kIniFile},
    {"pdf", TargetKind::kPdfDocument},
};

// How a web address starts, exactly as written.
inline constexpr const char* kWebMarkers[] = {"http://", "https://"};

// The target of a button that closes the menu instead of opening anything.
inline constexpr const char* kEndTarget = "Ende";

// By the extension, and only then by the start of a web address.
TargetKind ClassifyTarget(const std::string& target);

void LaunchTarget(LaunchContext& context, const std::string& target);

}  // namespace startart
