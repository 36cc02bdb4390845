// Opening a button's target: programs directly, rich-text documents with
// "write", ini files with "notepad" (or what newer Windows has instead), PDF
// documents with the reader that the registry names, web addresses with the
// browser. Nothing is waited for.
#pragma once

#include <string>

namespace startart {

class Application;

inline constexpr const char* kReaderKey = "Software\\Adobe\\Acrobat\\Exe";

// The text after the last dot of the target; the whole target when it has
// no dot.
std::string TargetExtension(const std::string& target);

enum class TargetKind { kProgram, kRichText, kIniFile, kPdfDocument, kWebAddress, kNotRecognised };

// By the extension, exactly as written ("exe", "rtf", "ini", "pdf"), and only
// then by the start of a web address ("http://" or "https://").
TargetKind ClassifyTarget(const std::string& target);

void LaunchTarget(Application& app, const std::string& target);

}  // namespace startart
