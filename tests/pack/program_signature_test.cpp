#include "pack/program_signature.h"

#include <gtest/gtest.h>

#include "program_files.h"
#include "temp_medium.h"

namespace startart::pack {
namespace {

bool Signed(const TempMedium& folder, const Bytes& file) {
    folder.Write("programm.exe", file);
    return HasAuthenticodeSignature(folder.Path() / "programm.exe");
}

TEST(ProgramSignatureTest, TheSecurityDirectoryOfA32Or64BitProgramTellsWhetherItIsSigned) {
    const TempMedium folder;
    EXPECT_TRUE(Signed(folder, Program(kPe32, 16)));
    EXPECT_TRUE(Signed(folder, Program(kPe32Plus, 16)));
    EXPECT_FALSE(Signed(folder, Program(kPe32, 0)));
    EXPECT_FALSE(Signed(folder, Program(kPe32Plus, 0)));
}

// Offsets and sizes come from the file; none of them is trusted.
TEST(ProgramSignatureTest, HeadersThatBreakOffOrPointElsewhereCarryNoSignature) {
    const TempMedium folder;
    const Bytes program = Program(kPe32, 16);

    Bytes certificateCut = program;
    certificateCut.pop_back();
    Bytes headersCut(program.begin(), program.begin() + 0x80 + 24 + 90);
    Bytes peHeadersFarAway = program;
    peHeadersFarAway[0x3C + 3] = 0xFF;
    Bytes noPeSignature = program;
    noPeSignature[0x80] = 'N';
    Bytes unknownMagic = program;
    unknownMagic[0x80 + 24] = 0x07;
    Bytes fourDirectories = program;
    fourDirectories[0x80 + 24 + 92] = 4;
    Bytes optionalHeaderTooShort = program;
    optionalHeaderTooShort[0x80 + 20] = 96 + 4 * 8;

    for (const Bytes& file : {certificateCut, headersCut, peHeadersFarAway, noPeSignature, unknownMagic,
                              fourDirectories, optionalHeaderTooShort, Bytes{'M', 'Z'}, Bytes{}}) {
        EXPECT_FALSE(Signed(folder, file)) << file.size() << " bytes";
    }
    EXPECT_FALSE(HasAuthenticodeSignature(folder.Path() / "fehlt.exe"));
    EXPECT_FALSE(HasAuthenticodeSignature(folder.Path()));
}

}  // namespace
}  // namespace startart::pack
