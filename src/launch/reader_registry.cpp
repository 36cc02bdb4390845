#include "launch/reader_registry.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "basic/runtime_error.h"
#include "toolkit/platform.h"

namespace startart {
namespace {

constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;

// A key opened for one routine call and closed on every way out of it.
class OpenedKey {
  public:
    OpenedKey(RegistryAccess& registry, Int16 rootIndex, const std::string& path) : registry_(registry) {
        if (rootIndex < 0) {
            RaiseOverflow();
        }
        const std::uint32_t root = 0x80000000u + static_cast<std::uint32_t>(rootIndex);
        open_ = registry_.OpenKey(root, path, key_) == 0;
    }
    ~OpenedKey() {
        if (open_) {
            registry_.CloseKey(key_);
        }
    }
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;

    bool IsOpen() const { return open_; }
    bool Query(const std::string& name, std::uint32_t& type, unsigned char* data, std::uint32_t& size) {
        return registry_.QueryValue(key_, name, type, data, size) == 0;
    }

  private:
    RegistryAccess& registry_;
    RegistryAccess::Key key_ = 0;
    bool open_ = false;
};

std::string HexPairs(const std::vector<unsigned char>& bytes, std::uint32_t count) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (std::uint32_t i = 0; i < count; ++i) {
        text += kDigits[bytes[i] >> 4];
        text += kDigits[bytes[i] & 0x0F];
        text += ' ';
    }
    return text;
}

}  // namespace

bool RegistryValueExists(RegistryAccess& registry,
                         Int16 rootIndex,
                         const std::string& keyPath,
                         const std::string& valueName) {
    OpenedKey key(registry, rootIndex, keyPath);
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    return key.IsOpen() && key.Query(valueName, type, nullptr, size);
}

std::string ReadRegistryValue(RegistryAccess& registry,
                              Int16 rootIndex,
                              const std::string& keyPath,
                              const std::string& valueName) {
    OpenedKey key(registry, rootIndex, keyPath);
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    if (!key.IsOpen() || !key.Query(valueName, type, nullptr, size)) {
        return "";
    }
    if (type == kRegSz || type == kRegBinary) {
        std::vector<unsigned char> buffer(static_cast<std::size_t>(size) + 1, 0);
        if (!key.Query(valueName, type, buffer.data(), size)) {
            return "";
        }
        if (type == kRegBinary) {
            return HexPairs(buffer, size);
        }
        std::string text = registry.DecodeText(std::string(buffer.begin(), buffer.begin() + size));
        return TakeToken(text, std::string(1, '\0'));
    }
    if (type == kRegDword) {
        std::int32_t number = 0;
        std::uint32_t length = sizeof number;
        if (!key.Query(valueName, type, reinterpret_cast<unsigned char*>(&number), length)) {
            return "";
        }
        return std::to_string(number);
    }
    return "";
}

std::string TakeToken(std::string& text, const std::string& delimiter) {
    const auto position = text.find(delimiter);
    if (position == std::string::npos) {
        return std::exchange(text, std::string());
    }
    std::string token = text.substr(0, position);
    text.erase(0, position + delimiter.size());
    return token;
}

}  // namespace startart
