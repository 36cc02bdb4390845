// The README and the publishers' guide name the picture formats that check
// accepts: exactly the formats of the header reader's table.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "pack/file_io.h"
#include "pack/picture_header.h"

namespace startart::pack {
namespace {

// Whether the file in the source tree holds `sentence`, wrapped anywhere.
void ExpectSentence(const char* relativePath, const std::string& sentence) {
    const auto bytes = ReadFileBytes(std::filesystem::path(STARTART_SOURCE_DIR) / relativePath);
    ASSERT_TRUE(bytes) << relativePath;
    // Every run of white space as one space.
    std::string prose;
    for (const unsigned char c : *bytes) {
        const bool space = c == ' ' || c == '\n' || c == '\r' || c == '\t';
        if (!space) {
            prose += static_cast<char>(c);
        } else if (!prose.empty() && prose.back() != ' ') {
            prose += ' ';
        }
    }
    EXPECT_NE(prose.find(sentence), std::string::npos) << relativePath << " should say: " << sentence;
}

TEST(DocumentedPictureFormats, TheReadmeAndTheGuideListTheFormatsTheMenuLoads) {
    ExpectSentence("README.md", "Pictures may be " + PictureFormatNames(" or ") + ".");
    ExpectSentence("docs/anleitung.md", "Bilder dürfen " + PictureFormatNames(" oder ") + " sein");
}

}  // namespace
}  // namespace startart::pack
