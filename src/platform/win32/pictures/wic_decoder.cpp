// Picture files through WIC, which comes in through COM from the system's
// own folder: the program imports nothing of it.
// Needs: ole32.
#include "pictures/wic_decoder.h"

#include <memory>
#include <new>
#include <optional>

#include "basic/runtime_error.h"
#include "pictures/win32_picture.h"
#include "text.h"
#include "toolkit/high_resolution_picture.h"
#include "toolkit/picture_limits.h"

namespace startart::win32 {
namespace {

// A picture that WIC cannot hold in memory is the program's lack of memory,
// not a broken file.
bool Succeeded(HRESULT result) {
    if (result == E_OUTOFMEMORY) {
        throw std::bad_alloc();
    }
    return SUCCEEDED(result);
}

std::optional<DecodedPicture> Decode(IWICImagingFactory& factory, const std::wstring& path) {
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    if (!Succeeded(factory.CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ,
                                                     WICDecodeMetadataCacheOnDemand, decoder.Put())) ||
        !Succeeded(decoder->GetFrame(0, frame.Put()))) {
        return std::nullopt;
    }
    // The size the file claims, before a single pixel is decoded or any
    // memory is taken for them.
    UINT width = 0;
    UINT height = 0;
    if (!Succeeded(frame->GetSize(&width, &height)) || width == 0 || height == 0 ||
        !PictureSizeAllowed(width, height)) {
        return std::nullopt;
    }
    ComPtr<IWICFormatConverter> converter;
    if (!Succeeded(factory.CreateFormatConverter(converter.Put())) ||
        !Succeeded(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr,
                                         0.0, WICBitmapPaletteTypeCustom))) {
        return std::nullopt;
    }
    PixelImage image{PixelSize{static_cast<int>(width), static_cast<int>(height)},
                     std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
    const UINT stride = width * 4;
    if (!Succeeded(
            converter->CopyPixels(nullptr, stride, stride * height, reinterpret_cast<BYTE*>(image.pixels.data())))) {
        return std::nullopt;
    }
    // An icon file keeps its own images for the sizes a window asks for.
    GUID container{};
    IconSource icon;
    if (SUCCEEDED(decoder->GetContainerFormat(&container)) && container == GUID_ContainerFormatIco) {
        icon.file = path;
    }
    return DecodedPicture{std::move(image), std::move(icon)};
}

bool IsFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

IWICImagingFactory& WicDecoder::Factory() {
    if (!factory_ && FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                             IID_PPV_ARGS(factory_.Put())))) {
        RaiseInvalidPicture();
    }
    return *factory_.Get();
}

std::optional<DecodedPicture> WicDecoder::Decode(const std::wstring& path) {
    return IsFile(path) ? win32::Decode(Factory(), path) : std::nullopt;
}

Picture WicDecoder::Load(const std::string& path) {
    const std::wstring file = Widen(path);
    if (!IsFile(file)) {
        RaiseFileNotFound();
    }
    std::optional<DecodedPicture> picture = win32::Decode(Factory(), file);
    if (!picture) {
        RaiseInvalidPicture();
    }
    // Whether the partner is there is asked only when a finer display first
    // draws the picture: at 96 dpi start-up reads nothing more.
    return Picture(
        std::make_shared<const Win32Picture>(std::move(*picture), Widen(HighResolutionName(path)), this));
}

}  // namespace startart::win32
