// Picture files through WIC.
// Needs: windowscodecs, ole32.
#include "wic_decoder.h"

#include <memory>
#include <optional>

#include "basic/runtime_error.h"
#include "win32_picture.h"

namespace startart::win32 {
namespace {

std::optional<Win32Picture> Decode(IWICImagingFactory& factory, const std::wstring& path) {
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICBitmapSource> converted;
    if (FAILED(factory.CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                                 decoder.Put())) ||
        FAILED(decoder->GetFrame(0, frame.Put())) ||
        FAILED(WICConvertBitmapSource(GUID_WICPixelFormat32bppPBGRA, frame.Get(), converted.Put()))) {
        return std::nullopt;
    }
    UINT width = 0;
    UINT height = 0;
    if (FAILED(converted->GetSize(&width, &height)) || width == 0 || height == 0) {
        return std::nullopt;
    }
    PixelImage image{PixelSize{static_cast<int>(width), static_cast<int>(height)},
                     std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
    const UINT stride = width * 4;
    if (FAILED(converted->CopyPixels(nullptr, stride, stride * height, reinterpret_cast<BYTE*>(image.pixels.data())))) {
        return std::nullopt;
    }
    // An icon file keeps its own images for the sizes a window asks for.
    GUID container{};
    IconSource icon;
    if (SUCCEEDED(decoder->GetContainerFormat(&container)) && container == GUID_ContainerFormatIco) {
        icon.file = path;
    }
    return Win32Picture(std::move(image), std::move(icon));
}

}  // namespace

IWICImagingFactory& WicDecoder::Factory() {
    if (!factory_ && FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                             IID_PPV_ARGS(factory_.Put())))) {
        RaiseInvalidPicture();
    }
    return *factory_.Get();
}

Picture WicDecoder::Load(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        RaiseFileNotFound();
    }
    auto picture = Decode(Factory(), path);
    if (!picture) {
        RaiseInvalidPicture();
    }
    return Picture(std::make_shared<const Win32Picture>(std::move(*picture)));
}

}  // namespace startart::win32
