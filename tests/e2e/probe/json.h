// Just enough JSON for the probe's answers: objects and arrays written into
// one line of UTF-8, which the test driver reads with its standard library.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace startart::e2e {

class JsonWriter {
  public:
    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    // Starts a member of the current object; its value follows.
    JsonWriter& Key(std::string_view name);
    JsonWriter& Text(std::wstring_view text);
    JsonWriter& Number(long long number);
    JsonWriter& Boolean(bool value);
    JsonWriter& Null();
    // A rectangle as [left, top, right, bottom].
    JsonWriter& Rect(const RECT& rect);

    const std::string& Result() const { return out_; }

  private:
    // A comma before every value but the first of its object or array.
    void Separate();

    std::string out_;
    bool first_ = true;
};

}  // namespace startart::e2e
