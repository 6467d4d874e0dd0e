// Metafiles that hold a picture: one bitmap record at the picture's size.
#include <windows.h>

#include <cstring>
#include <stdexcept>

#include "platform/Error.h"
#include "platform/pictures/PictureEncoding.h"
#include "platform/pictures/ScreenCapture.h"
#include "platform/UniqueHandle.h"

namespace platform {
namespace {

// The header that makes a metafile "placeable": its bounds and units, which a plain metafile
// lacks (readers would not know its size).
#pragma pack(push, 2)
struct PlaceableHeader {
  uint32_t key;
  uint16_t handle;
  int16_t left, top, right, bottom;
  uint16_t unitsPerInch;
  uint32_t reserved;
  uint16_t checksum;  // XOR of the ten words before it
};
#pragma pack(pop)
static_assert(sizeof(PlaceableHeader) == 22);

constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr uint16_t kPixelsPerInch = 96;  // one unit per pixel on a 96-DPI display

constexpr const char* kCannotMake = "Cannot make the metafile";
constexpr const char* kCannotDraw = "Cannot draw the picture into the metafile";

// Draws the picture at 0,0 into the recording DC from a bitmap selected into a memory DC, whose
// bits the recorder copies. (Wine records StretchDIBits into a Windows metafile with its rows
// misread.) The caller closes the recording DC either way. The outcome is read at the failing
// call, before the bitmap and the memory DC go.
Outcome DrawPicture(HDC dc, const OpaquePixels& picture) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = static_cast<LONG>(picture.width);
  info.bmiHeader.biHeight = static_cast<LONG>(picture.height);  // bottom row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueBitmap bitmap;
  if (Outcome made = Outcome::Of([&] {
        return bitmap.reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0)), bits != nullptr;
      });
      !made)
    return made;
  std::memcpy(bits, picture.rows.data(), picture.rows.size());
  UniqueMemoryDc memory;
  if (Outcome made = NewMemoryDc(memory); !made) return made;
  const SelectRestorer select(memory.get(), bitmap.get());
  return Outcome::Of([&] {
    return ::BitBlt(dc, 0, 0, static_cast<int>(picture.width), static_cast<int>(picture.height), memory.get(), 0, 0,
                    SRCCOPY);
  });
}

}  // namespace

std::vector<uint8_t> EnhancedMetafileFile(const OpaquePixels& picture) {
  const HDC dc = Checked(kCannotMake, [] { return ::CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr); });
  const Outcome drawn = DrawPicture(dc, picture);
  const UniqueEnhMetafile metafile(Checked(kCannotMake, [dc] { return ::CloseEnhMetaFile(dc); }));
  if (!drawn) throw Win32Error(kCannotDraw, drawn.code());
  std::vector<uint8_t> bytes(Checked(kCannotMake, [&] { return ::GetEnhMetaFileBits(metafile.get(), 0, nullptr); }));
  Checked(kCannotMake,
          [&] { return ::GetEnhMetaFileBits(metafile.get(), static_cast<UINT>(bytes.size()), bytes.data()); });
  return bytes;
}

std::vector<uint8_t> MetafileFile(const OpaquePixels& picture) {
  if (picture.width > INT16_MAX || picture.height > INT16_MAX)
    throw std::runtime_error("The picture is too large for a metafile: at most 32767 x 32767 pixels.");
  const HDC dc = Checked(kCannotMake, [] { return ::CreateMetaFileW(nullptr); });
  ::SetWindowOrgEx(dc, 0, 0, nullptr);
  ::SetWindowExtEx(dc, static_cast<int>(picture.width), static_cast<int>(picture.height), nullptr);
  const Outcome drawn = DrawPicture(dc, picture);
  const UniqueMetafile metafile(Checked(kCannotMake, [dc] { return ::CloseMetaFile(dc); }));
  if (!drawn) throw Win32Error(kCannotDraw, drawn.code());

  PlaceableHeader header{
      kPlaceableKey,  0, 0, 0, static_cast<int16_t>(picture.width), static_cast<int16_t>(picture.height),
      kPixelsPerInch, 0, 0};
  uint16_t words[10];
  std::memcpy(words, &header, sizeof(words));
  for (const uint16_t word : words) header.checksum ^= word;

  const UINT size = Checked(kCannotMake, [&] { return ::GetMetaFileBitsEx(metafile.get(), 0, nullptr); });
  std::vector<uint8_t> bytes(sizeof(header) + size);
  std::memcpy(bytes.data(), &header, sizeof(header));
  Checked(kCannotMake, [&] { return ::GetMetaFileBitsEx(metafile.get(), size, bytes.data() + sizeof(header)); });
  return bytes;
}

}  // namespace platform
