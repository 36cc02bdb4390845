// The registry routines on the real registry: values of each type written
// with the registry API into scratch keys and read back through the core.
#include <windows.h>

#include <gtest/gtest.h>

#include "handles.h"
#include "launch/reader_registry.h"
#include "system/registry.h"
#include "text.h"

namespace startart::win32 {
namespace {

constexpr Int16 kCurrentUser = 1;

class RegistryTest : public ::testing::Test {
  protected:
    // Keys are removed again whatever the test did.
    void TearDown() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
        RegDeleteTreeA(HKEY_CLASSES_ROOT, path_.c_str());
    }

    void Write(HKEY root, const std::string& name, DWORD type, const std::string& bytes) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(root, path_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                                 static_cast<DWORD>(bytes.size())),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }

    std::string Read(const std::string& name, Int16 root = kCurrentUser) {
        return ReadRegistryValue(registry_, root, path_, name);
    }
    bool Exists(const std::string& name, Int16 root = kCurrentUser) {
        return RegistryValueExists(registry_, root, path_, name);
    }

    std::string path_ = "Software\\startart-tests\\registry-" + std::to_string(GetCurrentProcessId());
    Win32Registry registry_;
};

TEST_F(RegistryTest, TextValuesEndAtTheirFirstNul) {
    Write(HKEY_CURRENT_USER, "with", REG_SZ, std::string("abc\0", 4));
    Write(HKEY_CURRENT_USER, "without", REG_SZ, "abc");
    Write(HKEY_CURRENT_USER, "inner", REG_SZ, std::string("ab\0cd\0", 6));
    Write(HKEY_CURRENT_USER, "empty", REG_SZ, std::string("\0", 1));
    EXPECT_EQ(Read("with"), "abc");
    EXPECT_EQ(Read("without"), "abc");
    EXPECT_EQ(Read("inner"), "ab");
    EXPECT_TRUE(Exists("empty"));
    EXPECT_EQ(Read("empty"), "");
}

TEST_F(RegistryTest, TextComesFromTheAnsiCodePage) {
    Write(HKEY_CURRENT_USER, "", REG_SZ, ToAnsiCodePage("C:\\Programme\\Größe\\reader.exe") + '\0');
    EXPECT_EQ(Read(""), "C:\\Programme\\Größe\\reader.exe");
}

TEST_F(RegistryTest, NumbersAndBytesAreRendered) {
    const auto dword = [](DWORD value) { return std::string(reinterpret_cast<const char*>(&value), 4); };
    Write(HKEY_CURRENT_USER, "zero", REG_DWORD, dword(0));
    Write(HKEY_CURRENT_USER, "number", REG_DWORD, dword(123));
    Write(HKEY_CURRENT_USER, "all ones", REG_DWORD, dword(0xFFFFFFFF));
    Write(HKEY_CURRENT_USER, "bytes", REG_BINARY, "\x01\xAB\x7F");
    Write(HKEY_CURRENT_USER, "no bytes", REG_BINARY, "");
    EXPECT_EQ(Read("zero"), "0");
    EXPECT_EQ(Read("number"), "123");
    EXPECT_EQ(Read("all ones"), "-1");
    EXPECT_EQ(Read("bytes"), "01 AB 7F ");
    EXPECT_EQ(Read("no bytes"), "");
}

TEST_F(RegistryTest, OtherTypesExistButReadAsEmpty) {
    Write(HKEY_CURRENT_USER, "expand", REG_EXPAND_SZ, std::string("%TEMP%\0", 7));
    EXPECT_TRUE(Exists("expand"));
    EXPECT_EQ(Read("expand"), "");
}

TEST_F(RegistryTest, MissingKeysAndValuesDoNotExist) {
    Write(HKEY_CURRENT_USER, "named", REG_SZ, "x");
    EXPECT_FALSE(Exists(""));
    EXPECT_FALSE(Exists("other"));
    EXPECT_EQ(Read("other"), "");
    EXPECT_FALSE(RegistryValueExists(registry_, kCurrentUser, path_ + "\\missing", "named"));
}

TEST_F(RegistryTest, ClassesRootIsRootIndexZero) {
    Write(HKEY_CLASSES_ROOT, "", REG_SZ, std::string("\"C:\\Reader\\reader.exe\" /s\0", 27));
    EXPECT_TRUE(Exists("", kClassesRoot));
    EXPECT_EQ(Read("", kClassesRoot), "\"C:\\Reader\\reader.exe\" /s");
}

// Grants the user of this process nothing but `rights` on the key.
void RestrictTo(HKEY root, const std::string& path, DWORD rights) {
    HANDLE token = nullptr;
    ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token));
    const UniqueKernelHandle ownedToken(token);
    alignas(TOKEN_USER) unsigned char user[256];
    DWORD size = 0;
    ASSERT_TRUE(GetTokenInformation(token, TokenUser, user, sizeof user, &size));
    const PSID sid = reinterpret_cast<TOKEN_USER*>(user)->User.Sid;

    alignas(ACL) unsigned char acl[256];
    ASSERT_TRUE(InitializeAcl(reinterpret_cast<ACL*>(acl), sizeof acl, ACL_REVISION));
    ASSERT_TRUE(AddAccessAllowedAce(reinterpret_cast<ACL*>(acl), ACL_REVISION, rights, sid));
    SECURITY_DESCRIPTOR descriptor;
    ASSERT_TRUE(InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION));
    ASSERT_TRUE(SetSecurityDescriptorDacl(&descriptor, TRUE, reinterpret_cast<ACL*>(acl), FALSE));

    HKEY opened = nullptr;
    ASSERT_EQ(RegOpenKeyExA(root, path.c_str(), 0, WRITE_DAC, &opened), ERROR_SUCCESS);
    const UniqueKey key(opened);
    ASSERT_EQ(RegSetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, &descriptor), ERROR_SUCCESS);
}

// A reader installed for all users: its entry may be read by everybody and
// changed by nobody. Opening the key for more than reading would miss it.
TEST_F(RegistryTest, AValueTheUserMayOnlyReadIsFound) {
    Write(HKEY_CLASSES_ROOT, "", REG_SZ, std::string("\"C:\\Reader\\reader.exe\"") + '\0');
    // DELETE too, so that the key can be removed again.
    RestrictTo(HKEY_CLASSES_ROOT, path_, KEY_READ | DELETE);
    HKEY writable = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path_.c_str(), 0, KEY_SET_VALUE, &writable) == ERROR_SUCCESS) {
        RegCloseKey(writable);
        GTEST_SKIP() << "this registry lets the user write to a key whose access list grants reading only";
    }
    EXPECT_TRUE(Exists("", kClassesRoot));
    EXPECT_EQ(Read("", kClassesRoot), "\"C:\\Reader\\reader.exe\"");
}

}  // namespace
}  // namespace startart::win32
