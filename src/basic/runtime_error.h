// The run-time errors of the menu: a number and a German description, as the
// user sees them in the error report. A run-time error is not handled where
// it arises; it unwinds to the event barrier, which reports it and ends the
// program.
#pragma once

#include <exception>
#include <string>

namespace startart {

class RuntimeError : public std::exception {
  public:
    RuntimeError(int number, std::string description);

    int Number() const { return number_; }
    const std::string& Description() const { return description_; }
    const char* what() const noexcept override { return description_.c_str(); }

  private:
    int number_;
    std::string description_;
};

namespace error {
inline constexpr int kOverflow = 6;
inline constexpr int kSubscriptOutOfRange = 9;
inline constexpr int kFileNotFound = 53;
inline constexpr int kControlArrayElementMissing = 340;
inline constexpr int kInvalidPropertyValue = 380;
inline constexpr int kInvalidPicture = 481;
}  // namespace error

[[noreturn]] void RaiseOverflow();
[[noreturn]] void RaiseSubscriptOutOfRange();
[[noreturn]] void RaiseFileNotFound();
[[noreturn]] void RaiseControlArrayElementMissing(int index);
[[noreturn]] void RaiseInvalidPropertyValue();
[[noreturn]] void RaiseInvalidPicture();

}  // namespace startart
