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

}  // namespace
}  // namespace startart
