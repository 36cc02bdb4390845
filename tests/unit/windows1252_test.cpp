#include "basic/windows1252.h"

#include <gtest/gtest.h>

namespace startart {
namespace {

TEST(Windows1252, DecodesTheGermanLettersAndTheHighControlRange) {
    EXPECT_EQ(DecodeWindows1252("\xC4\xD6\xDC\xE4\xF6\xFC\xDF"), "ÄÖÜäöüß");
    EXPECT_EQ(DecodeWindows1252("\x80\x82\x83\x84\x85\x96\x97\x99"), "€‚ƒ„…–—™");
    EXPECT_EQ(DecodeWindows1252("\xAE\xA9"), "®©");
}

TEST(Windows1252, UndefinedBytesBecomeTheirC1ControlCharacters) {
    EXPECT_EQ(DecodeWindows1252("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
}

TEST(Windows1252, EveryByteRoundTrips) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    const auto encoded = EncodeWindows1252(DecodeWindows1252(all));
    ASSERT_TRUE(encoded);
    EXPECT_EQ(*encoded, all);
}

TEST(Windows1252, EncodingRefusesWhatThePageCannotHold) {
    EXPECT_FALSE(EncodeWindows1252("Ω"));
    EXPECT_FALSE(EncodeWindows1252("\xFF\xFE"));
    EXPECT_FALSE(EncodeWindows1252("\xC3"));
    EXPECT_EQ(EncodeWindows1252("Schaltfläche €"),
              "Schaltfl\xE4"
              "che \x80");
}

TEST(Utf8, OnlyTheShortestSpellingOfAScalarValueReads) {
    const auto read = [](std::string_view text) -> std::optional<char32_t> {
        std::size_t pos = 0;
        const auto cp = NextUtf8CodePoint(text, pos);
        if (cp && pos != text.size()) {
            return std::nullopt;
        }
        return cp;
    };
    EXPECT_EQ(read("\xC2\x80"), 0x80u);
    EXPECT_EQ(read("\xED\x9F\xBF"), 0xD7FFu);
    EXPECT_EQ(read("\xEE\x80\x80"), 0xE000u);
    EXPECT_EQ(read("\xF4\x8F\xBF\xBF"), 0x10FFFFu);
    for (const std::string_view bad : {
             "\xC1\x81",          // 'A' spelled in two bytes
             "\xE0\x9F\xBF",      // U+07FF in three
             "\xF0\x8F\xBF\xBF",  // U+FFFF in four
             "\xED\xA0\x80",      // the first surrogate
             "\xED\xBF\xBF",      // the last one
             "\xF4\x90\x80\x80",  // U+110000
             "\xF5\x80\x80\x80",  // a lead byte of nothing
             "\xE2\x82",          // cut off
             "\x80",              // a continuation byte alone
         }) {
        EXPECT_EQ(read(bad), std::nullopt) << testing::PrintToString(std::string(bad));
    }
}

}  // namespace
}  // namespace startart
