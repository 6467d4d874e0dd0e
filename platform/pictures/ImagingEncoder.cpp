// PNG, JPEG and GIF files through the Windows Imaging Component, encoded into memory.
#include <windows.h>
#include <wincodec.h>
#include <wrl/client.h>

#include <cstring>

#include "platform/system/ComApartment.h"
#include "platform/Error.h"
#include "platform/pictures/PictureEncoding.h"

namespace platform {
namespace {

using Microsoft::WRL::ComPtr;

void Check(HRESULT result, const char* what) {
  if (FAILED(result)) throw Win32Error(what, static_cast<DWORD>(result));
}

const GUID& ContainerOf(ImagingFormat format) {
  switch (format) {
    case ImagingFormat::Png:
    case ImagingFormat::PngWithAlpha: return GUID_ContainerFormatPng;
    case ImagingFormat::Jpeg: return GUID_ContainerFormatJpeg;
    case ImagingFormat::Gif: break;
  }
  return GUID_ContainerFormatGif;
}

// The imaging component wants the top row first.
std::vector<uint8_t> TopRowFirst(const OpaquePixels& picture) {
  const size_t stride = size_t{picture.width} * 4;
  std::vector<uint8_t> rows(picture.rows.size());
  for (size_t y = 0; y < picture.height; ++y)
    std::memcpy(rows.data() + y * stride, picture.rows.data() + (picture.height - 1 - y) * stride, stride);
  return rows;
}

std::vector<uint8_t> StreamBytes(IStream* stream) {
  STATSTG stat{};
  Check(stream->Stat(&stat, STATFLAG_NONAME), "Cannot read the encoded picture");
  HGLOBAL memory = nullptr;
  Check(::GetHGlobalFromStream(stream, &memory), "Cannot read the encoded picture");
  const auto* data = static_cast<const uint8_t*>(::GlobalLock(memory));
  if (!data) ThrowLastError("Cannot read the encoded picture");
  std::vector<uint8_t> bytes(data, data + stat.cbSize.QuadPart);
  ::GlobalUnlock(memory);
  return bytes;
}

}  // namespace

std::vector<uint8_t> EncodeImagingFile(const OpaquePixels& picture, ImagingFormat format) {
  const ComApartment apartment;
  ComPtr<IWICImagingFactory> factory;
  // The first version's class: newer SDKs name the second one CLSID_WICImagingFactory, which
  // Windows 7 without its platform update lacks.
  Check(::CoCreateInstance(CLSID_WICImagingFactory1, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory)),
        "The imaging component is not available");

  std::vector<uint8_t> rows = TopRowFirst(picture);
  const bool alpha = format == ImagingFormat::PngWithAlpha;
  ComPtr<IWICBitmap> bitmap;
  Check(factory->CreateBitmapFromMemory(picture.width, picture.height,
                                        alpha ? GUID_WICPixelFormat32bppBGRA : GUID_WICPixelFormat32bppBGR,
                                        picture.width * 4, static_cast<UINT>(rows.size()), rows.data(), &bitmap),
        "Cannot encode the picture");

  // An opaque picture needs no alpha; GIF holds up to 256 colours, taken from the picture.
  WICPixelFormatGUID pixelFormat = alpha ? GUID_WICPixelFormat32bppBGRA : GUID_WICPixelFormat24bppBGR;
  ComPtr<IWICPalette> palette;
  if (format == ImagingFormat::Gif) {
    pixelFormat = GUID_WICPixelFormat8bppIndexed;
    Check(factory->CreatePalette(&palette), "Cannot encode the picture");
    Check(palette->InitializeFromBitmap(bitmap.Get(), 256, FALSE), "Cannot choose the picture's colours");
  }

  ComPtr<IStream> stream;
  Check(::CreateStreamOnHGlobal(nullptr, TRUE, &stream), "Cannot encode the picture");
  ComPtr<IWICBitmapEncoder> encoder;
  Check(factory->CreateEncoder(ContainerOf(format), nullptr, &encoder), "The imaging component has no encoder");
  Check(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache), "Cannot encode the picture");
  ComPtr<IWICBitmapFrameEncode> frame;
  ComPtr<IPropertyBag2> options;
  Check(encoder->CreateNewFrame(&frame, &options), "Cannot encode the picture");
  Check(frame->Initialize(options.Get()), "Cannot encode the picture");
  Check(frame->SetSize(picture.width, picture.height), "Cannot encode the picture");
  // The encoder may answer with the nearest format it writes.
  Check(frame->SetPixelFormat(&pixelFormat), "Cannot encode the picture");
  if (palette) Check(frame->SetPalette(palette.Get()), "Cannot encode the picture");

  ComPtr<IWICFormatConverter> converter;
  Check(factory->CreateFormatConverter(&converter), "Cannot encode the picture");
  Check(converter->Initialize(bitmap.Get(), pixelFormat, WICBitmapDitherTypeNone, palette.Get(), 0,
                              palette ? WICBitmapPaletteTypeCustom : WICBitmapPaletteTypeMedianCut),
        "Cannot convert the picture");
  Check(frame->WriteSource(converter.Get(), nullptr), "Cannot encode the picture");
  Check(frame->Commit(), "Cannot encode the picture");
  Check(encoder->Commit(), "Cannot encode the picture");
  return StreamBytes(stream.Get());
}

}  // namespace platform
