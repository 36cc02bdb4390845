#include "pack/file_io.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace startart::pack {

std::optional<std::vector<unsigned char>> ReadFileBytes(const std::filesystem::path& path) {
    // A folder opens like an empty file on Linux.
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::vector<unsigned char> bytes(std::istreambuf_iterator<char>(in), {});
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

bool WriteFileReplacing(const std::filesystem::path& path, std::span<const unsigned char> bytes) {
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (out) {
            std::error_code error;
            std::filesystem::rename(temporary, path, error);
            if (!error) {
                return true;
            }
        }
    }
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return false;
}

}  // namespace startart::pack
