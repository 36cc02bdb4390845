// Files for the Win32 tests: a temporary folder that is removed again, and
// small pictures written byte by byte.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace startart::win32::testing {

// A new, empty folder under the user's temporary folder, removed with
// everything in it when this goes.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // The folder as the core holds paths: UTF-8, without a trailing backslash.
    std::string Utf8() const;
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

void WriteBytes(const std::filesystem::path& path, const std::vector<unsigned char>& bytes);

// A 24-bit BMP; colour(x, y) gives 0xRRGGBB.
void WriteBmp(const std::filesystem::path& path,
              int width,
              int height,
              const std::function<std::uint32_t(int x, int y)>& colour);

// The folder the test program lies in.
std::filesystem::path TestProgramFolder();

}  // namespace startart::win32::testing
