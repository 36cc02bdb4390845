#include <gtest/gtest.h>

#include <random>

#include "config/record_codec.h"
#include "config/settings.h"

namespace startart {
namespace {

using Bytes = std::vector<unsigned char>;

// Builds a record field by field, as a publisher's tool would write it.
struct RecordBuilder {
    Bytes bytes;
    RecordBuilder& Text(const std::string& latin1) {
        Number(static_cast<int>(latin1.size()));
        bytes.insert(bytes.end(), latin1.begin(), latin1.end());
        return *this;
    }
    RecordBuilder& Number(int value) {
        bytes.push_back(static_cast<unsigned char>(value & 0xFF));
        bytes.push_back(static_cast<unsigned char>((value >> 8) & 0xFF));
        return *this;
    }
    RecordBuilder& Colour(int r, int g, int b) {
        bytes.insert(bytes.end(),
                     {static_cast<unsigned char>(r), static_cast<unsigned char>(g), static_cast<unsigned char>(b)});
        return *this;
    }
};

Bytes FileOf(const std::vector<Bytes>& records) {
    Bytes file;
    for (const Bytes& record : records) {
        Bytes padded = record;
        padded.resize(kRecordLength, 0);
        file.insert(file.end(), padded.begin(), padded.end());
    }
    return file;
}

Bytes MenuRecord(const std::string& titel, int anzahl) {
    return RecordBuilder{}
        .Text(titel)
        .Text("titel.jpg")
        .Text("knopf.bmp")
        .Text("C:\\egal")
        .Text("icon.ico")
        .Colour(1, 2, 3)
        .Number(anzahl)
        .Number(-2)
        .Number(12)
        .Text("Arial")
        .Number(-1)
        .Colour(250, 251, 252)
        .Number(7)
        .Number(300)
        .Number(40)
        .Number(144)
        .Number(75)
        .bytes;
}

TEST(SettingsDecoder, ReadsEveryFieldOfTheMenuRecordInOrder) {
    const SettingsFile file = DecodeSettingsFile(FileOf({MenuRecord(std::string("Gr\xFC\xDF") + "e", 12)}));
    const MenuSettings& m = file.menu;
    EXPECT_EQ(m.titel, "Grüße");
    EXPECT_EQ(m.titelbild, "titel.jpg");
    EXPECT_EQ(m.bild, "knopf.bmp");
    EXPECT_EQ(m.pfad, "C:\\egal");
    EXPECT_EQ(m.icon, "icon.ico");
    EXPECT_EQ(m.farbe, (Colour{1, 2, 3}));
    EXPECT_EQ(m.anzahl, 12);
    EXPECT_EQ(m.laufweite, -2);
    EXPECT_EQ(m.groesse, 12);
    EXPECT_EQ(m.art, "Arial");
    EXPECT_TRUE(m.fett);
    EXPECT_EQ(m.schriftfarbe, (Colour{250, 251, 252}));
    EXPECT_EQ(m.style, 7);
    EXPECT_EQ(m.randabstand, 300);
    EXPECT_EQ(m.hoehe, 40);
    EXPECT_EQ(m.breite, 144);
    EXPECT_EQ(m.abstand, 75);
}

TEST(SettingsDecoder, EmptyStringsGiveTheDocumentedOffsets) {
    Bytes record(kRecordLength, 0);
    record[10] = 9;   // farbe.rot
    record[13] = 5;   // anzahl
    record[17] = 14;  // groesse
    record[21] = 0xFF;
    record[22] = 0xFF;  // fett
    record[26] = 2;     // style
    record[34] = 0x2C;
    record[35] = 0x01;  // abstand 300
    const MenuSettings m = DecodeSettingsFile(FileOf({record})).menu;
    EXPECT_EQ(m.farbe.rot, 9);
    EXPECT_EQ(m.anzahl, 5);
    EXPECT_EQ(m.groesse, 14);
    EXPECT_TRUE(m.fett);
    EXPECT_EQ(m.style, 2);
    EXPECT_EQ(m.abstand, 300);
}

TEST(SettingsDecoder, AnzahlIsPassedOnWhateverItHolds) {
    for (const int anzahl : {0, 16, -1, -32768, 32767}) {
        EXPECT_EQ(DecodeSettingsFile(FileOf({MenuRecord("", anzahl)})).menu.anzahl, anzahl);
    }
}

TEST(SettingsDecoder, Record1Holds92BytesOfTextButNot93) {
    const auto withText = [](int total) {
        // 80 bytes in titel, the rest in art.
        RecordBuilder b;
        b.Text(std::string(80, 'x'))
            .Text("")
            .Text("")
            .Text("")
            .Text("")
            .Colour(0, 0, 0)
            .Number(0)
            .Number(0)
            .Number(0)
            .Text(std::string(static_cast<std::size_t>(total - 80), 'y'))
            .Number(0)
            .Colour(0, 0, 0)
            .Number(0)
            .Number(0)
            .Number(0)
            .Number(0)
            .Number(0);
        return b.bytes;
    };
    ASSERT_EQ(withText(92).size(), kRecordLength);
    EXPECT_EQ(DecodeSettingsFile(FileOf({withText(92)})).menu.art, std::string(12, 'y'));

    Bytes file = withText(93);
    ASSERT_EQ(file.size(), kRecordLength + 1);
    file.resize(kSettingsFileLength, 0);  // record 2 starts one byte late
    try {
        DecodeSettingsFile(file);
        FAIL() << "93 bytes of text must not fit";
    } catch (const RecordError& error) {
        EXPECT_EQ(error.record(), 1);
        EXPECT_EQ(error.field(), "abstand");
        EXPECT_EQ(error.bytesOver(), 1u);
    }
}

TEST(SettingsDecoder, ACountPastTheRecordEndIsAFailureNamingTheField) {
    Bytes button(kRecordLength, 0);
    button[0] = 3;
    button[5] = 200;  // buttonb claims 200 bytes from offset 7
    std::vector<Bytes> records(4, Bytes{});
    records[3] = button;
    try {
        DecodeSettingsFile(FileOf(records));
        FAIL();
    } catch (const RecordError& error) {
        EXPECT_EQ(error.record(), 4);
        EXPECT_EQ(error.field(), "buttonb");
        EXPECT_EQ(error.bytesOver(), 7u + 200u - 128u);
        EXPECT_NE(std::string(error.what()).find("ButtonEntry 0"), std::string::npos);
    }
}

TEST(SettingsDecoder, MissingBytesReadAsZeros) {
    const SettingsFile empty = DecodeSettingsFile(Bytes{});
    EXPECT_EQ(empty, SettingsFile{});

    // Record 1 complete, record 2 cut after three of the five bytes of firma:
    // the missing two read as NUL characters.
    Bytes file = FileOf({MenuRecord("T", 3)});
    const Bytes info = RecordBuilder{}.Text("(c) 2026").Text("http://x.de").Text("Firma").bytes;
    file.insert(file.end(), info.begin(), info.begin() + 28);
    const SettingsFile cut = DecodeSettingsFile(file);
    EXPECT_EQ(cut.menu.anzahl, 3);
    EXPECT_EQ(cut.info.copy_text, "(c) 2026");
    EXPECT_EQ(cut.info.home_url, "http://x.de");
    EXPECT_EQ(cut.info.firma, std::string("Fir\0\0", 5));
    EXPECT_EQ(cut.info.stadt, "");
    EXPECT_EQ(cut.buttons[14], ButtonEntry{});
}

TEST(SettingsDecoder, EncodeThenDecodeKeepsEveryValue) {
    SettingsFile file;
    file.menu.titel = "Übersicht – 2026";
    file.menu.anzahl = -7;
    file.menu.fett = true;
    file.menu.schriftfarbe = Colour{10, 20, 30};
    file.info.stadt = "12345 Köln";
    file.reader.setup = "setup\\AdbeRdr.exe /q";
    file.buttons[14] = ButtonEntry{"Ende", "Ende!", "Ende"};
    const Bytes bytes = EncodeSettingsFile(file);
    EXPECT_EQ(bytes.size(), kSettingsFileLength);
    EXPECT_EQ(DecodeSettingsFile(bytes), file);
}

TEST(SettingsDecoder, EncodingReportsTheBytesOver) {
    SettingsFile file;
    file.reader.version = std::string(100, 'v');
    file.reader.setup = std::string(30, 's');
    try {
        EncodeSettingsFile(file);
        FAIL();
    } catch (const RecordError& error) {
        EXPECT_EQ(error.record(), 3);
        EXPECT_EQ(error.field(), "setup");
        EXPECT_EQ(error.bytesOver(), 6u);
    }
}

TEST(SettingsEncoder, FieldExtentsAreWhereTheEncoderPutsTheFields) {
    // Texts of 92 bytes in the file fill MenuSettings to its last byte.
    SettingsFile file;
    file.menu.titel = std::string(40, 'x');
    file.menu.bild = "Überschrift" + std::string(41, 'y');  // Ü: two bytes here, one in the file
    file.menu.abstand = -1;
    const std::vector<FieldExtent> extents = FieldExtents(file.menu);
    EXPECT_EQ(extents.back().end(), kRecordLength);
    EXPECT_STREQ(extents.back().field, "abstand");
    EXPECT_EQ(extents.back().offset, 126u);
    const Bytes bytes = EncodeSettingsFile(file);
    EXPECT_EQ(bytes[126], 0xFF);
    EXPECT_EQ(bytes[127], 0xFF);

    // One byte more: the extents run past the record, which no longer encodes.
    file.menu.titel += "z";
    EXPECT_EQ(FieldExtents(file.menu).back().end(), kRecordLength + 1);
    EXPECT_THROW(EncodeSettingsFile(file), RecordError);
}

// Thousands of random and mutated files: each one decodes or is refused with
// a RecordError. The sanitizers of the unit-test build catch any read out of
// bounds.
TEST(SettingsDecoder, RandomAndMutatedFilesDecodeOrFailCleanly) {
    std::mt19937 random(20261207);
    SettingsFile seed;
    seed.menu = DecodeSettingsFile(FileOf({MenuRecord("Titel", 6)})).menu;
    seed.buttons[0] = ButtonEntry{"Handbuch", "Handbuch", "doc\\handbuch.pdf"};
    const Bytes wellFormed = EncodeSettingsFile(seed);
    int decoded = 0;
    int refused = 0;
    for (int round = 0; round < 4000; ++round) {
        Bytes bytes;
        if (round % 2 == 0) {
            bytes.resize(random() % (kSettingsFileLength + 64));
            for (auto& b : bytes) {
                b = static_cast<unsigned char>(random());
            }
        } else {
            bytes = wellFormed;
            for (int flips = 1 + static_cast<int>(random() % 8); flips > 0; --flips) {
                bytes[random() % bytes.size()] = static_cast<unsigned char>(random());
            }
            bytes.resize(random() % 3 == 0 ? random() % bytes.size() : bytes.size());
        }
        try {
            DecodeSettingsFile(bytes);
            ++decoded;
        } catch (const RecordError&) {
            ++refused;
        }
    }
    EXPECT_GT(decoded, 100);
    EXPECT_GT(refused, 100);
}

}  // namespace
}  // namespace startart
