#include "pack/autorun_inf.h"

#include <string_view>

#include "basic/windows1252.h"
#include "pack/medium_files.h"
#include "pack/text_value.h"
#include "pack/utf16.h"

namespace startart::pack {
namespace {

std::string DecodeText(std::span<const unsigned char> file) {
    if (file.size() >= 2 && file[0] == 0xFF && file[1] == 0xFE) {
        return Utf8FromUtf16Le(file.subspan(2));
    }
    const std::string_view bytes(reinterpret_cast<const char*>(file.data()), file.size());
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        return std::string(bytes.substr(3));
    }
    return DecodeWindows1252(bytes);
}

}  // namespace

std::vector<unsigned char> FormatAutorunInf(const std::string& icon, const std::string& label) {
    const std::string text =
        "[autorun]\r\nopen=" + std::string(kMenuProgramName) + "\r\nicon=" + icon + "\r\nlabel=" + label + "\r\n";
    std::vector<unsigned char> file = {0xFF, 0xFE};
    const std::vector<unsigned char> units = Utf16LeFromUtf8(text);
    file.insert(file.end(), units.begin(), units.end());
    return file;
}

AutorunEntries ParseAutorunInf(std::span<const unsigned char> file) {
    AutorunEntries entries;
    const std::string text = DecodeText(file);
    bool inAutorun = false;
    for (std::string_view rest = text; !rest.empty();) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        line = TrimBlanks(line);
        if (line.starts_with('[')) {
            inAutorun = SameIgnoringCase(line, "[autorun]");
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inAutorun || line.starts_with(';') || equals == std::string_view::npos) {
            continue;
        }
        const std::string_view key = TrimBlanks(line.substr(0, equals));
        const std::string value(TrimBlanks(line.substr(equals + 1)));
        if (SameIgnoringCase(key, "open")) {
            entries.open = value;
        } else if (SameIgnoringCase(key, "icon")) {
            entries.icon = value;
        } else if (SameIgnoringCase(key, "label")) {
            entries.label = value;
        }
    }
    return entries;
}

}  // namespace startart::pack
