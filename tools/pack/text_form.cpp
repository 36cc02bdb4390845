#include "pack/text_form.h"

#include <array>
#include <map>
#include <type_traits>
#include <utility>

#include "basic/windows1252.h"
#include "config/record_codec.h"
#include "pack/text_value.h"

namespace startart::pack {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Where the first sequence starts that is not UTF-8; npos when all is.
std::size_t FirstNonUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        if (!NextUtf8CodePoint(text, pos)) {
            return start;
        }
    }
    return std::string_view::npos;
}

bool IsComment(std::string_view line) {
    return line.starts_with(';') || line.starts_with('#');
}

// The record whose name RecordName gives, 0 for none.
int RecordNumberOf(std::string_view name) {
    for (int record = 1; record <= kRecordCount; ++record) {
        if (name == RecordName(record)) {
            return record;
        }
    }
    return 0;
}

// "[MenuSettings]": appended, not prefixed, which GCC 12 warns about wrongly.
std::string SectionHeading(int record) {
    std::string heading = "[";
    heading += RecordName(record);
    heading += ']';
    return heading;
}

// "[MenuSettings], ..., [ButtonEntry 0] bis [ButtonEntry 14]"
std::string KnownSections() {
    std::string sections;
    for (int record = 1; record < kFirstButtonRecord; ++record) {
        sections += SectionHeading(record) + ", ";
    }
    return sections + SectionHeading(kFirstButtonRecord) + " bis " + SectionHeading(kRecordCount);
}

class Parser {
  public:
    explicit Parser(const std::string& fileName) : fileName_(fileName) {}

    SettingsFile Parse(std::string_view text) {
        if (text.starts_with(kByteOrderMark)) {
            text.remove_prefix(kByteOrderMark.size());
        }
        for (int line = 1; !text.empty(); ++line) {
            const std::size_t end = text.find('\n');
            std::string_view content = text.substr(0, end);
            text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
            if (content.ends_with('\r')) {
                content.remove_suffix(1);
            }
            ParseLine(line, content);
        }
        return file_;
    }

    const std::vector<std::string>& Warnings() const { return warnings_; }

    // The line that set the field, or the section's line when the field was
    // left out.
    int LineOf(int record, const std::string& field) const {
        const auto found = fieldLines_.find({record, field});
        return found != fieldLines_.end() ? found->second : sectionLines_[static_cast<std::size_t>(record)];
    }

    [[noreturn]] void Fail(int line, const std::string& message) const {
        throw TextFormError(fileName_ + ":" + std::to_string(line) + ": " + message);
    }

  private:
    void ParseLine(int line, std::string_view content) {
        content = TrimBlanks(content);
        if (const std::size_t bad = FirstNonUtf8(content); bad != std::string_view::npos) {
            FailNotUtf8(line, content, bad);
        }
        if (content.empty() || IsComment(content)) {
            return;
        }
        if (content.starts_with('[')) {
            ParseSection(line, content);
            return;
        }
        const std::size_t equals = content.find('=');
        if (equals == std::string_view::npos) {
            Fail(line, "weder Abschnitt noch 'Feld = Wert': " + std::string(content));
        }
        ParseField(line, std::string(TrimBlanks(content.substr(0, equals))), TrimBlanks(content.substr(equals + 1)));
    }

    // Names the field when the bytes stand in its value. A file saved in
    // Windows-1252 shows its first umlaut here.
    [[noreturn]] void FailNotUtf8(int line, std::string_view content, std::size_t bad) const {
        static constexpr char kHex[] = "0123456789ABCDEF";
        const auto byte = static_cast<unsigned char>(content[bad]);
        const std::size_t equals = content.find('=');
        const std::string_view name = TrimBlanks(content.substr(0, equals));
        const bool inValue = equals < bad && !content.starts_with('[') && !IsComment(content) && !name.empty();
        Fail(line, (inValue ? "Feld '" + std::string(name) + "': " : std::string()) + "kein gültiges UTF-8 ab Byte 0x" +
                       kHex[byte >> 4] + kHex[byte & 0xF] + "; die Datei muss in UTF-8 gespeichert sein");
    }

    void ParseSection(int line, std::string_view content) {
        if (!content.ends_with(']')) {
            Fail(line, "Abschnitt ohne schließende Klammer: " + std::string(content));
        }
        const std::string name(TrimBlanks(content.substr(1, content.size() - 2)));
        record_ = RecordNumberOf(name);
        if (record_ == 0) {
            Fail(line, "unbekannter Abschnitt [" + name + "] (erlaubt: " + KnownSections() + ")");
        }
        int& sectionLine = sectionLines_[static_cast<std::size_t>(record_)];
        if (sectionLine != 0) {
            Fail(line, "Abschnitt [" + name + "] steht schon in Zeile " + std::to_string(sectionLine));
        }
        sectionLine = line;
    }

    void ParseField(int line, const std::string& name, std::string_view written) {
        if (name.empty()) {
            Fail(line, "Feldname fehlt vor '='");
        }
        if (record_ == 0) {
            Fail(line, "Feld '" + name + "' steht vor dem ersten Abschnitt");
        }
        const auto [previous, inserted] = fieldLines_.try_emplace({record_, name}, line);
        if (!inserted) {
            Fail(line, "Feld '" + name + "' steht in [" + RecordName(record_) + "] schon in Zeile " +
                           std::to_string(previous->second));
        }
        bool known = false;
        ForEachRecord(file_, [&](int number, auto& record) {
            if (number != record_) {
                return;
            }
            ForEachField(record, [&](const char* field, auto& value) {
                if (name != field) {
                    return;
                }
                known = true;
                try {
                    ParseValue(written, value);
                } catch (const ValueError& error) {
                    Fail(line, "Feld '" + name + "': " + error.what());
                }
                if constexpr (std::is_same_v<std::remove_cvref_t<decltype(value)>, std::string>) {
                    WarnOfTrailingComment(line, name, written);
                }
            });
        });
        if (!known) {
            Fail(line, "unbekanntes Feld '" + name + "' in [" + RecordName(record_) + "]");
        }
    }

    // Other formats end a value at a comment; this one keeps everything up to
    // the end of the line.
    void WarnOfTrailingComment(int line, const std::string& name, std::string_view written) {
        if (written.starts_with('"')) {
            return;
        }
        for (std::size_t pos = 1; pos < written.size(); ++pos) {
            const bool blank = written[pos - 1] == ' ' || written[pos - 1] == '\t';
            if (blank && (written[pos] == ';' || written[pos] == '#')) {
                warnings_.push_back(fileName_ + ":" + std::to_string(line) + ": Warnung: Feld '" + name + "': '" +
                                    std::string(written.substr(pos)) +
                                    "' gehört zum Wert; ein Kommentar steht in einer eigenen Zeile, die mit ; oder # "
                                    "beginnt");
                return;
            }
        }
    }

    const std::string& fileName_;
    SettingsFile file_;
    int record_ = 0;
    std::array<int, kRecordCount + 1> sectionLines_{};
    std::map<std::pair<int, std::string>, int> fieldLines_;
    std::vector<std::string> warnings_;
};

// How many bytes the fields of a record need in all.
std::size_t EncodedRecordLength(const SettingsFile& file, int number) {
    std::size_t length = 0;
    ForEachRecord(file, [&](int n, const auto& record) {
        if (n == number) {
            length = FieldExtents(record).back().end();
        }
    });
    return length;
}

}  // namespace

std::string PrintTextForm(const SettingsFile& file) {
    std::string out;
    ForEachRecord(file, [&](int number, const auto& record) {
        if (number > 1) {
            out += '\n';
        }
        out += SectionHeading(number) + "\n";
        ForEachField(record, [&](const char* field, const auto& value) {
            const std::string written = FormatValue(value);
            out += std::string(field) + (written.empty() ? " =" : " = " + written) + "\n";
        });
    });
    return out;
}

SettingsFile ParseTextForm(std::string_view text, const std::string& fileName) {
    return Parser(fileName).Parse(text);
}

std::vector<unsigned char> PackTextForm(std::string_view text,
                                        const std::string& fileName,
                                        std::vector<std::string>* warnings) {
    Parser parser(fileName);
    const SettingsFile file = parser.Parse(text);
    if (warnings) {
        *warnings = parser.Warnings();
    }
    try {
        return EncodeSettingsFile(file);
    } catch (const RecordError& error) {
        if (error.kind() != RecordError::Kind::kOverflow) {
            parser.Fail(parser.LineOf(error.record(), error.field()), error.what());
        }
        const std::size_t needed = EncodedRecordLength(file, error.record());
        const std::size_t over = needed - kRecordLength;
        parser.Fail(parser.LineOf(error.record(), error.field()),
                    "[" + RecordName(error.record()) + "] braucht " + std::to_string(needed) + " Byte, " +
                        std::to_string(over) + " mehr als die 128 eines Datensatzes (Feld '" + error.field() +
                        "' reicht über das Ende); Texte um " + std::to_string(over) + " Byte kürzen");
    }
}

}  // namespace startart::pack
