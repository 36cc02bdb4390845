// Decoding picture files with the Windows Imaging Component: BMP, GIF, JPEG,
// PNG, TIFF and ICO, to premultiplied 32-bit pixels (the first frame of a
// file with several). A file that claims more pixels than the menu loads is
// refused before its pixels are decoded.
// Needs: ole32; COM initialised on this thread.
#pragma once

#include <wincodec.h>

#include <optional>
#include <string>

#include "handles.h"
#include "toolkit/picture.h"

namespace startart::win32 {

struct DecodedPicture;

class WicDecoder {
  public:
    // Raises run-time error 53 when the file does not exist and 481 when it
    // holds no picture that decodes or one too large; throws bad_alloc when
    // memory runs out. A partner for high resolution beside the file is
    // decoded when it is first drawn.
    Picture Load(const std::string& path);
    // nullopt for a file that is missing or holds no picture that decodes.
    std::optional<DecodedPicture> Decode(const std::wstring& path);

  private:
    IWICImagingFactory& Factory();

    ComPtr<IWICImagingFactory> factory_;
};

}  // namespace startart::win32
