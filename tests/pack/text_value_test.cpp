#include "pack/text_value.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace startart::pack {
namespace {

using ::testing::HasSubstr;

template <class Value>
std::string ParseError(std::string_view written) {
    Value value{};
    try {
        ParseValue(written, value);
    } catch (const ValueError& error) {
        return error.what();
    }
    return "(no error)";
}

std::string Text(std::string_view written) {
    std::string text;
    ParseValue(written, text);
    return text;
}

TEST(TextValue, TextsStayBareWhereNothingIsAmbiguous) {
    EXPECT_EQ(FormatValue(std::string("reader\\setup.exe /s")), "reader\\setup.exe /s");
    EXPECT_EQ(FormatValue(std::string("Bücher für draußen – 5 €")), "Bücher für draußen – 5 €");
    EXPECT_EQ(FormatValue(std::string("Das \"Buch\"")), "Das \"Buch\"");
    EXPECT_EQ(FormatValue(std::string()), "");
}

TEST(TextValue, BlanksAtTheEdgesLineBreaksAndControlsAreQuoted) {
    EXPECT_EQ(FormatValue(std::string(" Titel ")), "\" Titel \"");
    EXPECT_EQ(FormatValue(std::string("Zeile 1\r\nZeile 2\tEnde")), "\"Zeile 1\\r\\nZeile 2\\tEnde\"");
    EXPECT_EQ(FormatValue(std::string("\"zitiert\" a\\b")), "\"\\\"zitiert\\\" a\\\\b\"");
    EXPECT_EQ(FormatValue(std::string("a\0b", 3)), "\"a\\x00b\"");
    // U+0081 is how the undefined byte 0x81 reads; it is invisible.
    EXPECT_EQ(FormatValue(std::string("x\xC2\x81")), "\"x\\x81\"");
}

TEST(TextValue, QuotedTextsUnescape) {
    EXPECT_EQ(Text("\" a \\\"b\\\" \\\\ \\r\\n\\t \""), " a \"b\" \\ \r\n\t ");
    EXPECT_EQ(Text("\"\\x41\\x80\\xfc\\x81\""), "A€ü\xC2\x81");  // bytes of Windows-1252
    EXPECT_EQ(Text("\"\""), "");
    EXPECT_EQ(Text("a \"b\""), "a \"b\"");  // bare: quotes inside are text
}

TEST(TextValue, BadTextsSayWhy) {
    EXPECT_THAT(ParseError<std::string>("\"offen"), HasSubstr("schließendes Anführungszeichen fehlt"));
    EXPECT_THAT(ParseError<std::string>("\"a\" b"), HasSubstr("Text nach dem schließenden Anführungszeichen"));
    EXPECT_THAT(ParseError<std::string>("\"a\\q\""), HasSubstr("unbekannte Escape-Folge '\\q'"));
    EXPECT_THAT(ParseError<std::string>("\"\\x4\""), HasSubstr("zwei Hexadezimalziffern"));
    EXPECT_EQ(ParseError<std::string>("Łódź"), "Zeichen 'Ł' (U+0141) gibt es in Windows-1252 nicht");
    EXPECT_EQ(ParseError<std::string>("\"\\x41\" "), "Text nach dem schließenden Anführungszeichen");
}

TEST(TextValue, NumbersAreDecimal16BitIntegers) {
    Int16 number = 0;
    ParseValue("-32768", number);
    EXPECT_EQ(number, -32768);
    ParseValue("32767", number);
    EXPECT_EQ(number, 32767);
    EXPECT_EQ(FormatValue(Int16{-5}), "-5");
    for (const char* outside : {"32768", "-32769", "99999999999999999999999"}) {
        EXPECT_EQ(ParseError<Int16>(outside), "Zahl außerhalb von -32768..32767") << outside;
    }
    for (const char* notANumber : {"", "+5", "1e3", "12px", "0x10", "- 1"}) {
        EXPECT_THAT(ParseError<Int16>(notANumber), HasSubstr("ist keine ganze Zahl")) << notANumber;
    }
}

TEST(TextValue, ColoursAreThreeBytes) {
    Colour colour;
    ParseValue("0, 64, 128", colour);
    EXPECT_EQ(colour, (Colour{0, 64, 128}));
    ParseValue("255,1 ,\t2", colour);
    EXPECT_EQ(colour, (Colour{255, 1, 2}));
    EXPECT_EQ(FormatValue(Colour{0, 64, 128}), "0, 64, 128");
    for (const char* bad : {"1, 2", "1, 2, 3, 4", "256, 0, 0", "-1, 0, 0", "1,,2", "rot", "1, 2, 3,"}) {
        EXPECT_THAT(ParseError<Colour>(bad), HasSubstr("ist keine Farbe (rot, gruen, blau mit je 0..255)")) << bad;
    }
}

TEST(TextValue, FlagsAreTrueOrFalse) {
    bool flag = false;
    ParseValue("true", flag);
    EXPECT_TRUE(flag);
    ParseValue("false", flag);
    EXPECT_FALSE(flag);
    EXPECT_EQ(FormatValue(true), "true");
    for (const char* bad : {"ja", "True", "1", "-1", ""}) {
        EXPECT_THAT(ParseError<bool>(bad), HasSubstr("ist kein Wahrheitswert (true oder false)")) << bad;
    }
}

}  // namespace
}  // namespace startart::pack
