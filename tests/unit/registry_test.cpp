// Registry values as text, and the token splitter that cuts text values at
// their terminating NUL. Every key opened is closed again on every path.
#include "launch/reader_registry.h"

#include <gtest/gtest.h>

#include "basic/runtime_error.h"
#include "headless_registry.h"

namespace startart {
namespace {

using Bytes = std::vector<unsigned char>;

constexpr const char* kKey = "Software\\Velmo\\Menu";

class Registry : public ::testing::Test {
  protected:
    void Set(std::uint32_t type, const Bytes& data, const std::string& name = "") {
        registry.SetValue(HeadlessRegistry::kClassesRoot + 1, kKey, name, {type, data});
    }
    bool Exists(const std::string& name = "", Int16 root = 1) {
        return RegistryValueExists(registry, root, kKey, name);
    }
    std::string Read(const std::string& name = "", Int16 root = 1) {
        return ReadRegistryValue(registry, root, kKey, name);
    }
    void TearDown() override {
        EXPECT_TRUE(registry.openKeys.empty());
        EXPECT_EQ(registry.opened, registry.closed);
    }

    HeadlessRegistry registry;
};

TEST_F(Registry, ValuesRenderedByType) {
    using R = HeadlessRegistry;
    const struct {
        const char* name;
        std::uint32_t type;
        Bytes data;
        const char* text;
    } values[] = {
        {"text with its NUL", R::kSz, {'a', 'b', 'c', 0}, "abc"},
        {"text without a NUL", R::kSz, {'a', 'b', 'c'}, "abc"},
        {"text with an inner NUL", R::kSz, {'a', 'b', 0, 'c', 'd', 0}, "ab"},
        {"empty text", R::kSz, {0}, ""},
        {"text of no bytes", R::kSz, {}, ""},
        {"text in the 8-bit code page", R::kSz, {'K', 0xF6, 'l', 'n', 0}, "Köln"},
        {"number 0", R::kDword, {0, 0, 0, 0}, "0"},
        {"number 123", R::kDword, {123, 0, 0, 0}, "123"},
        {"number -1", R::kDword, {0xFF, 0xFF, 0xFF, 0xFF}, "-1"},
        {"lowest number", R::kDword, {0, 0, 0, 0x80}, "-2147483648"},
        {"bytes", R::kBinary, {0x01, 0xAB, 0x7F}, "01 AB 7F "},
        {"leading zeros", R::kBinary, {0x00, 0x0F}, "00 0F "},
        {"no bytes", R::kBinary, {}, ""},
        {"expandable text", R::kExpandSz, {'%', 'X', '%', 0}, ""},
        {"text list", R::kMultiSz, {'a', 0, 'b', 0, 0}, ""},
    };
    for (const auto& v : values) {
        Set(v.type, v.data, v.name);
        EXPECT_TRUE(Exists(v.name)) << v.name;
        EXPECT_EQ(Read(v.name), v.text) << v.name;
    }
}

TEST_F(Registry, MissingKeyOrValue) {
    EXPECT_FALSE(Exists());
    EXPECT_EQ(Read(), "");
    EXPECT_EQ(registry.opened, 0);

    // The key exists with a named value only: its default value is not set.
    Set(HeadlessRegistry::kSz, {'x', 0}, "Version");
    EXPECT_FALSE(Exists());
    EXPECT_EQ(Read(), "");
    EXPECT_TRUE(Exists("Version"));
    EXPECT_EQ(registry.opened, 3);
}

// The root handle is 0x80000000 plus the index.
TEST_F(Registry, TheRootIndexPicksThePredefinedKey) {
    Set(HeadlessRegistry::kSz, {'c', 'u', 0});
    EXPECT_FALSE(Exists("", 0));
    EXPECT_FALSE(Exists("", 2));
    EXPECT_EQ(Read("", 1), "cu");
}

TEST_F(Registry, ANegativeRootIndexIsAnOverflowBeforeAnyRegistryCall) {
    Set(HeadlessRegistry::kSz, {'x', 0});
    for (const Int16 root : {-1, -32768}) {
        try {
            Exists("", root);
            FAIL() << root;
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.Number(), 6);
        }
        EXPECT_THROW(Read("", root), RuntimeError);
    }
    EXPECT_EQ(registry.opened, 0);
}

TEST_F(Registry, AFailingFirstQueryReadsAsMissing) {
    Set(HeadlessRegistry::kSz, {'x', 0});
    registry.FailNextQueries(1);
    EXPECT_FALSE(Exists());
    registry.FailNextQueries(1);
    EXPECT_EQ(Read(), "");
}

// A value that changes between the query for its size and the one for its
// data: the second query no longer fits and the result is empty.
class GrowingRegistry : public HeadlessRegistry {
  public:
    long QueryValue(Key key,
                    const std::string& name,
                    std::uint32_t& type,
                    unsigned char* data,
                    std::uint32_t& size) override {
        const long result = HeadlessRegistry::QueryValue(key, name, type, data, size);
        if (!data) {
            SetValue(kClassesRoot, kKey, name, {kBinary, Bytes(64, 'x')});
        }
        return result;
    }
};

TEST(RegistryChange, TheSecondQueryFailingReadsEmpty) {
    for (const std::uint32_t type : {HeadlessRegistry::kSz, HeadlessRegistry::kBinary}) {
        GrowingRegistry registry;
        registry.SetValue(HeadlessRegistry::kClassesRoot, kKey, "", {type, {'a', 'b', 0}});
        EXPECT_EQ(ReadRegistryValue(registry, 0, kKey, ""), "") << type;
        EXPECT_TRUE(registry.openKeys.empty());
    }
}

TEST(TakeToken, SplitsAtTheFirstDelimiter) {
    const struct {
        std::string text, delimiter, token, rest;
    } cases[] = {
        {"ab;cd", ";", "ab", "cd"},
        {"abcd", ";", "abcd", ""},
        {";cd", ";", "", "cd"},
        {"ab;", ";", "ab", ""},
        {"a;b;c", ";", "a", "b;c"},
        {"ab<>cd<>ef", "<>", "ab", "cd<>ef"},
        {"", ";", "", ""},
        {std::string("ab\0cd", 5), std::string(1, '\0'), "ab", "cd"},
        // Beyond any 16-bit position.
        {std::string(40000, 'a') + ";z", ";", std::string(40000, 'a'), "z"},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        EXPECT_EQ(TakeToken(text, c.delimiter), c.token) << c.text.size();
        EXPECT_EQ(text, c.rest) << c.text.size();
    }
}

}  // namespace
}  // namespace startart
