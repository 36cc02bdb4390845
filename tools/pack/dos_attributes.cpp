#include "pack/dos_attributes.h"

#if defined(_WIN32)
#include <windows.h>
#elif defined(__linux__)
#include <fcntl.h>
#include <linux/msdos_fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdint>
#endif

namespace startart::pack {

#if defined(_WIN32)

std::optional<DosAttributes> ReadDosAttributes(const std::filesystem::path& file) {
    const DWORD attributes = GetFileAttributesW(file.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return std::nullopt;
    }
    return DosAttributes{(attributes & FILE_ATTRIBUTE_HIDDEN) != 0, (attributes & FILE_ATTRIBUTE_SYSTEM) != 0};
}

#elif defined(__linux__)

namespace {

class OpenFile {
  public:
    explicit OpenFile(const std::filesystem::path& file) : descriptor_(open(file.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~OpenFile() {
        if (descriptor_ >= 0) {
            close(descriptor_);
        }
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    int Descriptor() const { return descriptor_; }

  private:
    int descriptor_;
};

}  // namespace

// Only the FAT drivers answer this; other file systems refuse it.
std::optional<DosAttributes> ReadDosAttributes(const std::filesystem::path& file) {
    const OpenFile opened(file);
    std::uint32_t attributes = 0;
    if (opened.Descriptor() < 0 || ioctl(opened.Descriptor(), FAT_IOCTL_GET_ATTRIBUTES, &attributes) != 0) {
        return std::nullopt;
    }
    return DosAttributes{(attributes & ATTR_HIDDEN) != 0, (attributes & ATTR_SYS) != 0};
}

#else

std::optional<DosAttributes> ReadDosAttributes(const std::filesystem::path&) {
    return std::nullopt;
}

#endif

}  // namespace startart::pack
