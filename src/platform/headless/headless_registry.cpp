#include "headless_registry.h"

#include <algorithm>
#include <cctype>

#include "basic/windows1252.h"

namespace startart {
namespace {

constexpr long kSuccess = 0;
constexpr long kFileNotFound = 2;
constexpr long kInvalidHandle = 6;
constexpr long kMoreData = 234;

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

HeadlessRegistry::KeyId HeadlessRegistry::Normalised(std::uint32_t root, const std::string& path) {
    return {root, Lower(path)};
}

void HeadlessRegistry::SetValue(std::uint32_t root, const std::string& path, const std::string& name, Value value) {
    keys_[Normalised(root, path)][Lower(name)] = std::move(value);
}

void HeadlessRegistry::SetText(std::uint32_t root,
                               const std::string& path,
                               const std::string& name,
                               const std::string& text) {
    Value value{kSz, std::vector<unsigned char>(text.begin(), text.end())};
    value.data.push_back(0);
    SetValue(root, path, name, std::move(value));
}

void HeadlessRegistry::AddKey(std::uint32_t root, const std::string& path) {
    keys_[Normalised(root, path)];
}

long HeadlessRegistry::OpenKey(std::uint32_t root, const std::string& path, Key& key) {
    const auto found = keys_.find(Normalised(root, path));
    if (found == keys_.end()) {
        return kFileNotFound;
    }
    key = nextHandle_++;
    handles_[key] = found->first;
    openKeys.insert(key);
    ++opened;
    return kSuccess;
}

long HeadlessRegistry::QueryValue(Key key,
                                  const std::string& name,
                                  std::uint32_t& type,
                                  unsigned char* data,
                                  std::uint32_t& size) {
    const auto handle = handles_.find(key);
    if (handle == handles_.end() || !openKeys.contains(key)) {
        return kInvalidHandle;
    }
    const auto& values = keys_[handle->second];
    const auto value = values.find(Lower(name));
    if (value == values.end()) {
        return kFileNotFound;
    }
    if (failingQueries_ > 0) {
        --failingQueries_;
        return kMoreData;
    }
    type = value->second.type;
    const auto length = static_cast<std::uint32_t>(value->second.data.size());
    if (!data) {
        size = length;
        return kSuccess;
    }
    if (size < length) {
        size = length;
        return kMoreData;
    }
    std::copy(value->second.data.begin(), value->second.data.end(), data);
    size = length;
    return kSuccess;
}

void HeadlessRegistry::CloseKey(Key key) {
    if (openKeys.erase(key) > 0) {
        ++closed;
    }
}

std::string HeadlessRegistry::DecodeText(const std::string& bytes) {
    return DecodeWindows1252(bytes);
}

}  // namespace startart
