// Whether a Windows program carries an Authenticode signature, read from its
// headers alone: the certificate table of the PE optional header says where
// a signature lies. Whether the signature holds is for Windows to judge; a
// publisher needs to know which programs carry none, because Smart App
// Control refuses to start those that Microsoft does not know.
#pragma once

#include <filesystem>

namespace startart::pack {

// False, too, for a file that is no Windows program, whose headers are cut
// short, or whose certificate table lies outside the file: Windows finds no
// signature there either.
bool HasAuthenticodeSignature(const std::filesystem::path& program);

}  // namespace startart::pack
