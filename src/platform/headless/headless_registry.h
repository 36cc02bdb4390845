// An in-memory registry for the tests. It counts every key it opens and closes
// so a test can see that no key is left open.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "toolkit/platform.h"

namespace startart {

class HeadlessRegistry : public RegistryAccess {
  public:
    static constexpr std::uint32_t kClassesRoot = 0x80000000u;
    static constexpr std::uint32_t kSz = 1;
    static constexpr std::uint32_t kExpandSz = 2;
    static constexpr std::uint32_t kBinary = 3;
    static constexpr std::uint32_t kDword = 4;
    static constexpr std::uint32_t kMultiSz = 7;

    struct Value {
        std::uint32_t type = kSz;
        std::vector<unsigned char> data;
    };

    // Creates the key when needed; an empty name is the key's default value.
    void SetValue(std::uint32_t root, const std::string& path, const std::string& name, Value value);
    // A text value as the registry stores it: the bytes and a terminating NUL.
    void SetText(std::uint32_t root, const std::string& path, const std::string& name, const std::string& text);
    void AddKey(std::uint32_t root, const std::string& path);
    // The next query of a value fails, as when it changes between two reads.
    void FailNextQueries(int count) { failingQueries_ = count; }

    long OpenKey(std::uint32_t root, const std::string& path, Key& key) override;
    long QueryValue(Key key,
                    const std::string& name,
                    std::uint32_t& type,
                    unsigned char* data,
                    std::uint32_t& size) override;
    void CloseKey(Key key) override;
    std::string DecodeText(const std::string& bytes) override;

    int opened = 0;
    int closed = 0;
    std::set<Key> openKeys;

  private:
    using KeyId = std::pair<std::uint32_t, std::string>;
    static KeyId Normalised(std::uint32_t root, const std::string& path);

    std::map<KeyId, std::map<std::string, Value>> keys_;
    std::map<Key, KeyId> handles_;
    Key nextHandle_ = 1;
    int failingQueries_ = 0;
};

}  // namespace startart
