// A medium folder for one test under the system's temporary folder, removed
// again when the test ends.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "config/record_codec.h"

namespace startart::pack {

class TempMedium {
  public:
    TempMedium() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() / ("startart-pack-test-" + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~TempMedium() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempMedium(const TempMedium&) = delete;
    TempMedium& operator=(const TempMedium&) = delete;

    const std::filesystem::path& Path() const { return path_; }

    // `relative` with forward slashes; folders are created as needed.
    void Write(const std::string& relative, const std::vector<unsigned char>& bytes) const {
        const std::filesystem::path file = path_ / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    void Write(const std::string& relative, const std::string& text) const {
        Write(relative, std::vector<unsigned char>(text.begin(), text.end()));
    }
    void WriteSettings(const SettingsFile& file) const { Write("st.art", EncodeSettingsFile(file)); }

  private:
    std::filesystem::path path_;
};

}  // namespace startart::pack
