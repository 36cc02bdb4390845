// One field's value in the text form of st.art: how it is written and how it
// is read back. Texts are written bare when that is unambiguous, otherwise in
// double quotes with backslash escapes, so that every text round-trips.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "basic/int16.h"
#include "config/settings.h"

namespace startart::pack {

// A written value that its field cannot take. The message says why, in
// German, without naming the field.
class ValueError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Spaces and tabs around a written value are not part of it.
std::string_view TrimBlanks(std::string_view text);

std::string FormatValue(const std::string& text);
std::string FormatValue(Int16 number);
std::string FormatValue(bool flag);
std::string FormatValue(const Colour& colour);

// `written` is everything after the '=' with the blanks around it removed.
// Throw ValueError.
void ParseValue(std::string_view written, std::string& text);
void ParseValue(std::string_view written, Int16& number);
void ParseValue(std::string_view written, bool& flag);
void ParseValue(std::string_view written, Colour& colour);

}  // namespace startart::pack
