// Pictures on Win32: the image of a drawing that suits the window's monitor,
// decoded from PNG by the Windows Imaging Component into a bitmap of the
// control's size in pixels, which a static control shows.

#include <windows.h>
// windows.h first: the others build on it.
#include <wincodec.h>

#include "gadgets/picture_choice.h"
#include "gadgets/win32/win32_state.h"

namespace brindle {

namespace gadget_layer {

namespace {

// Holds a COM interface and releases it.
template <class T>
struct ComHeld {
  T* p = nullptr;
  ComHeld() = default;
  ComHeld(const ComHeld&) = delete;
  ComHeld& operator=(const ComHeld&) = delete;
  ~ComHeld() {
    if (p != nullptr) p->Release();
  }
  T* operator->() const { return p; }
};

// Made once; none where the system has no imaging component.
IWICImagingFactory* ImagingFactory() {
  static IWICImagingFactory* const factory = [] {
    // COM may have been started on this thread already, in either model;
    // the factory works in both.
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IWICImagingFactory* made = nullptr;
    ::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                       IID_IWICImagingFactory, reinterpret_cast<void**>(&made));
    return made;
  }();
  return factory;
}

// The PNG as a bitmap of width x height pixels, or null. An image of another
// size is scaled to it.
HBITMAP DecodedBitmap(std::span<const unsigned char> png, int width, int height) {
  IWICImagingFactory* factory = ImagingFactory();
  if (factory == nullptr || png.empty() || width <= 0 || height <= 0) return nullptr;
  ComHeld<IWICStream> stream;
  ComHeld<IWICBitmapDecoder> decoder;
  ComHeld<IWICBitmapFrameDecode> frame;
  ComHeld<IWICBitmapScaler> scaler;
  ComHeld<IWICFormatConverter> converter;
  UINT drawnWidth = 0, drawnHeight = 0;
  if (FAILED(factory->CreateStream(&stream.p)) ||
      FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(png.data()),
                                          static_cast<DWORD>(png.size()))) ||
      FAILED(factory->CreateDecoderFromStream(stream.p, nullptr, WICDecodeMetadataCacheOnDemand,
                                              &decoder.p)) ||
      FAILED(decoder->GetFrame(0, &frame.p)) || FAILED(frame->GetSize(&drawnWidth, &drawnHeight))) {
    return nullptr;
  }
  IWICBitmapSource* source = frame.p;
  if (drawnWidth != static_cast<UINT>(width) || drawnHeight != static_cast<UINT>(height)) {
    if (FAILED(factory->CreateBitmapScaler(&scaler.p)) ||
        FAILED(scaler->Initialize(frame.p, static_cast<UINT>(width), static_cast<UINT>(height),
                                  WICBitmapInterpolationModeFant))) {
      return nullptr;
    }
    source = scaler.p;
  }
  // Three bytes a pixel: the drawings are opaque, and a bitmap without an
  // alpha channel is shown as it is.
  if (FAILED(factory->CreateFormatConverter(&converter.p)) ||
      FAILED(converter->Initialize(source, GUID_WICPixelFormat24bppBGR, WICBitmapDitherTypeNone,
                                   nullptr, 0.0, WICBitmapPaletteTypeCustom))) {
    return nullptr;
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first, as the decoder gives them
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr) return nullptr;
  const UINT stride = (static_cast<UINT>(width) * 3 + 3) & ~3u;  // rows end on 4 bytes
  if (FAILED(converter->CopyPixels(nullptr, stride, stride * static_cast<UINT>(height),
                                   static_cast<BYTE*>(bits)))) {
    ::DeleteObject(bitmap);
    return nullptr;
  }
  return bitmap;
}

}  // namespace

void ShowPictureAt(GadgetRecord& record, UINT dpi) {
  const ChosenImage image = ImageForScale(record.picture, dpi / 96.0);
  HBITMAP bitmap = DecodedBitmap(image.png, ToPixels(record.logical.right, dpi),
                                 ToPixels(record.logical.bottom, dpi));
  if (bitmap == nullptr) return;
  // The control hands back the bitmap it showed, or a copy it made of it.
  HGDIOBJ shown = reinterpret_cast<HGDIOBJ>(
      ::SendMessageW(record.hwnd, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
  if (shown != nullptr && shown != record.bitmap) ::DeleteObject(shown);
  if (record.bitmap != nullptr) ::DeleteObject(record.bitmap);
  record.bitmap = bitmap;
}

}  // namespace gadget_layer

}  // namespace brindle
