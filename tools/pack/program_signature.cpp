#include "pack/program_signature.h"

#include <cstdint>
#include <fstream>
#include <string_view>
#include <system_error>
#include <vector>

#include "pack/byte_view.h"

namespace startart::pack {
namespace {

constexpr std::uint64_t kDosHeaderSize = 64;
// Where the DOS header keeps the file offset of the PE headers (e_lfanew).
constexpr std::uint64_t kPeHeadersOffsetField = 0x3C;
constexpr std::string_view kPeSignature("PE\0\0", 4);
// The COFF file header follows the signature; its SizeOfOptionalHeader says
// how much of the optional header after it is really there.
constexpr std::uint64_t kOptionalHeaderSizeField = 4 + 16;
constexpr std::uint64_t kOptionalHeader = 4 + 20;
constexpr std::uint16_t kPe32Magic = 0x10B;
constexpr std::uint16_t kPe32PlusMagic = 0x20B;
// Where the data directories start in a PE32 and a PE32+ optional header;
// the count of directories stands just before them.
constexpr std::uint64_t kPe32Directories = 96;
constexpr std::uint64_t kPe32PlusDirectories = 112;
// IMAGE_DIRECTORY_ENTRY_SECURITY: its address is a file offset.
constexpr std::uint32_t kCertificateTableIndex = 4;
constexpr std::uint64_t kDirectoryEntrySize = 8;
constexpr std::uint64_t kPeHeadersReadSize =
    kOptionalHeader + kPe32PlusDirectories + (kCertificateTableIndex + 1) * kDirectoryEntrySize;

// Up to `count` bytes from `offset`, fewer where the file ends.
std::vector<unsigned char> ReadPart(std::ifstream& in, std::uint64_t offset, std::uint64_t count) {
    std::vector<unsigned char> bytes(count);
    in.clear();
    in.seekg(static_cast<std::streamoff>(offset));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(count));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

}  // namespace

bool HasAuthenticodeSignature(const std::filesystem::path& program) {
    std::error_code error;
    const std::uint64_t fileSize = std::filesystem::file_size(program, error);
    std::ifstream in(program, std::ios::binary);
    if (error || !in) {
        return false;
    }
    try {
        const std::vector<unsigned char> dosBytes = ReadPart(in, 0, kDosHeaderSize);
        const ByteView dosHeader(dosBytes);
        if (!dosHeader.Matches(0, "MZ")) {
            return false;
        }
        const std::vector<unsigned char> peBytes =
            ReadPart(in, dosHeader.Le32(kPeHeadersOffsetField), kPeHeadersReadSize);
        const ByteView pe(peBytes);
        if (!pe.Matches(0, kPeSignature)) {
            return false;
        }
        const std::uint16_t magic = pe.Le16(kOptionalHeader);
        if (magic != kPe32Magic && magic != kPe32PlusMagic) {
            return false;
        }
        const std::uint64_t directories = magic == kPe32Magic ? kPe32Directories : kPe32PlusDirectories;
        const std::uint64_t entry = directories + kCertificateTableIndex * kDirectoryEntrySize;
        if (pe.Le32(kOptionalHeader + directories - 4) <= kCertificateTableIndex ||
            pe.Le16(kOptionalHeaderSizeField) < entry + kDirectoryEntrySize) {
            return false;
        }
        const std::uint32_t address = pe.Le32(kOptionalHeader + entry);
        const std::uint32_t size = pe.Le32(kOptionalHeader + entry + 4);
        return address != 0 && size != 0 && std::uint64_t{address} + size <= fileSize;
    } catch (const BrokenFile&) {
        return false;
    }
}

}  // namespace startart::pack
