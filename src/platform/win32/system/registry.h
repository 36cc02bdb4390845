// The registry through advapi32's ANSI functions, read only: keys are opened
// for querying values and nothing else, so a value that a user may read but
// not change (a program installed for all users) is still found.
// Needs: advapi32.
#pragma once

#include "toolkit/platform.h"

namespace startart::win32 {

class Win32Registry : public RegistryAccess {
  public:
    long OpenKey(std::uint32_t root, const std::string& path, Key& key) override;
    long QueryValue(Key key,
                    const std::string& name,
                    std::uint32_t& type,
                    unsigned char* data,
                    std::uint32_t& size) override;
    void CloseKey(Key key) override;
    std::string DecodeText(const std::string& bytes) override;
};

}  // namespace startart::win32
