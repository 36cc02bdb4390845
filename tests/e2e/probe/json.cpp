// The probe's JSON output.
#include "json.h"

#include <cstdio>

#include "text.h"

namespace startart::e2e {

void JsonWriter::Separate() {
    if (!first_) {
        out_ += ',';
    }
    first_ = false;
}

JsonWriter& JsonWriter::BeginObject() {
    Separate();
    out_ += '{';
    first_ = true;
    return *this;
}

JsonWriter& JsonWriter::EndObject() {
    out_ += '}';
    first_ = false;
    return *this;
}

JsonWriter& JsonWriter::BeginArray() {
    Separate();
    out_ += '[';
    first_ = true;
    return *this;
}

JsonWriter& JsonWriter::EndArray() {
    out_ += ']';
    first_ = false;
    return *this;
}

JsonWriter& JsonWriter::Key(std::string_view name) {
    Separate();
    out_ += '"';
    out_ += name;
    out_ += "\":";
    // The value belongs to the key: no comma between them.
    first_ = true;
    return *this;
}

JsonWriter& JsonWriter::Text(std::wstring_view text) {
    Separate();
    out_ += '"';
    for (const char c : win32::Narrow(text)) {
        if (c == '"' || c == '\\') {
            out_ += '\\';
            out_ += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out_ += escape;
        } else {
            out_ += c;
        }
    }
    out_ += '"';
    return *this;
}

JsonWriter& JsonWriter::Number(long long number) {
    Separate();
    out_ += std::to_string(number);
    return *this;
}

JsonWriter& JsonWriter::Boolean(bool value) {
    Separate();
    out_ += value ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::Null() {
    Separate();
    out_ += "null";
    return *this;
}

JsonWriter& JsonWriter::Rect(const RECT& rect) {
    BeginArray();
    Number(rect.left).Number(rect.top).Number(rect.right).Number(rect.bottom);
    return EndArray();
}

}  // namespace startart::e2e
