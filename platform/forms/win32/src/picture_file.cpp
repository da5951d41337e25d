#include "forms/picture.h"

#include <windows.h>
#include <wincodec.h>
#include <wrl/client.h>

#include <cstddef>
#include <limits>

#include "forms/failure_reason.h"
#include "wide_text.h"

namespace forms {
namespace {

using Microsoft::WRL::ComPtr;

// The largest picture taken: far beyond any skin, and its byte count fits
// the 32-bit sizes the imaging calls take.
constexpr UINT MaximumSide = 16384;

// The imaging component's factory, made once per program. COM is started
// for this thread unless the program already did so in its own way.
IWICImagingFactory *imagingFactory()
{
    static const ComPtr<IWICImagingFactory> factory = [] {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        ComPtr<IWICImagingFactory> made;
        CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&made));
        return made;
    }();
    return factory.Get();
}

// The first frame of `file` as 32-bit BGR, or an empty picture.
Picture decoded(TextView file)
{
    IWICImagingFactory *factory = imagingFactory();
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICBitmapSource> pixels;
    if (factory == nullptr ||
        FAILED(factory->CreateDecoderFromFilename(toWide(file).c_str(), nullptr, GENERIC_READ,
                                                  WICDecodeMetadataCacheOnDemand, &decoder)) ||
        FAILED(decoder->GetFrame(0, &frame)) ||
        FAILED(WICConvertBitmapSource(GUID_WICPixelFormat32bppBGR, frame.Get(), &pixels)))
        return {};
    UINT width = 0, height = 0;
    if (FAILED(pixels->GetSize(&width, &height)) || width == 0 || height == 0 || width > MaximumSide ||
        height > MaximumSide)
        return {};
    Picture picture;
    picture.width = static_cast<int>(width);
    picture.height = static_cast<int>(height);
    const UINT stride = width * 4;
    picture.bgra.resize(static_cast<std::size_t>(stride) * height);
    if (FAILED(pixels->CopyPixels(nullptr, stride, static_cast<UINT>(picture.bgra.size()), picture.bgra.data())))
        return {};
    return picture;
}

} // namespace

Picture loadPicture(TextView file)
{
    Picture picture = decoded(file);
    if (picture.bgra.empty())
        throw PictureError(file, pictureFailureReason(file));
    return picture;
}

} // namespace forms
