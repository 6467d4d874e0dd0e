// The program's resources, read back through the same system calls the program uses. The
// resources are linked into this test executable, so its own module carries them.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "platform/UniqueHandle.h"
#include "res/resource.h"

namespace {

using platform::UniqueBitmap;
using platform::UniqueIcon;

HMODULE Self() { return ::GetModuleHandleW(nullptr); }

struct Bgra {
  BYTE b, g, r, a;
};

// The pixels of a DIB section as the system holds them, addressed top-down.
class DibPixels {
 public:
  explicit DibPixels(HBITMAP bitmap) {
    if (::GetObjectW(bitmap, sizeof(dib_), &dib_) != sizeof(dib_)) dib_ = {};
  }
  bool valid() const { return dib_.dsBm.bmBits != nullptr; }
  int width() const { return dib_.dsBm.bmWidth; }
  int height() const { return dib_.dsBm.bmHeight; }
  int bits() const { return dib_.dsBm.bmBitsPixel; }
  Bgra at(int x, int y) const {
    const int row = dib_.dsBmih.biHeight > 0 ? height() - 1 - y : y;
    const auto* p = static_cast<const BYTE*>(dib_.dsBm.bmBits) + row * dib_.dsBm.bmWidthBytes + x * (bits() / 8);
    return {p[0], p[1], p[2], bits() == 32 ? p[3] : BYTE{255}};
  }
  std::array<std::pair<int, int>, 4> corners() const {
    return {{{0, 0}, {width() - 1, 0}, {0, height() - 1}, {width() - 1, height() - 1}}};
  }
  bool SameAs(const DibPixels& other) const {
    return width() == other.width() && height() == other.height() && bits() == other.bits() &&
           std::memcmp(dib_.dsBm.bmBits, other.dib_.dsBm.bmBits, dib_.dsBm.bmWidthBytes * height()) == 0;
  }

 private:
  DIBSECTION dib_{};
};

UniqueBitmap LoadDib(int id) {
  return UniqueBitmap(
      static_cast<HBITMAP>(::LoadImageW(Self(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

testing::AssertionResult HasShape(const DibPixels& pixels, int width, int height, int bits) {
  if (!pixels.valid()) return testing::AssertionFailure() << "not a DIB section";
  if (pixels.width() != width || pixels.height() != height || pixels.bits() != bits) {
    return testing::AssertionFailure() << pixels.width() << "x" << pixels.height() << " at " << pixels.bits() << " bpp";
  }
  return testing::AssertionSuccess();
}

bool IsBlack(Bgra p) { return p.r == 0 && p.g == 0 && p.b == 0; }
bool IsWhite(Bgra p) { return p.r == 255 && p.g == 255 && p.b == 255; }

int BlackInRow(const DibPixels& pixels, int y) {
  int count = 0;
  for (int x = 0; x < pixels.width(); ++x) count += IsBlack(pixels.at(x, y));
  return count;
}

TEST(Resources, PlaceholderIsBlackQuestionMarkOnWhite) {
  const UniqueBitmap bitmap = LoadDib(IDB_PLACEHOLDER);
  ASSERT_TRUE(bitmap) << ::GetLastError();
  const DibPixels pixels(bitmap.get());
  ASSERT_TRUE(HasShape(pixels, 16, 24, 24));

  for (const auto& [x, y] : pixels.corners()) {
    EXPECT_TRUE(IsWhite(pixels.at(x, y))) << "corner " << x << "," << y;
  }
  int black = 0, other = 0, centre = 0;
  for (int y = 0; y < 24; ++y) {
    for (int x = 0; x < 16; ++x) {
      const Bgra p = pixels.at(x, y);
      black += IsBlack(p);
      other += !IsBlack(p) && !IsWhite(p);
    }
    centre += IsBlack(pixels.at(8, y));
  }
  EXPECT_EQ(0, other) << "only black and white";
  EXPECT_GE(centre, 5) << "the stem and the dot cross the centre column";
  EXPECT_GT(black, 30);

  // Upright: the wide curve at the top, the narrow dot at the bottom.
  int top = 0, bottom = 23;
  while (top < 24 && BlackInRow(pixels, top) == 0) ++top;
  while (bottom >= 0 && BlackInRow(pixels, bottom) == 0) --bottom;
  ASSERT_LT(top, bottom);
  EXPECT_GE(BlackInRow(pixels, top), 4);
  EXPECT_LE(BlackInRow(pixels, bottom), 3);
}

#pragma pack(push, 2)
struct GroupIconHeader {
  WORD reserved, type, count;
};
struct GroupIconEntry {
  BYTE width, height, colours, reserved;
  WORD planes, bitCount;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)
static_assert(sizeof(GroupIconHeader) == 6 && sizeof(GroupIconEntry) == 14);

struct Resource {
  const BYTE* bytes = nullptr;
  DWORD size = 0;
};

Resource OwnResource(LPCWSTR name, LPCWSTR type) {
  HRSRC found = ::FindResourceW(Self(), name, type);
  if (!found) return {};
  return {static_cast<const BYTE*>(::LockResource(::LoadResource(Self(), found))), ::SizeofResource(Self(), found)};
}

// The fixed-size header a resource starts with; zeros when the resource is shorter.
template <class Header>
Header HeaderOf(const Resource& resource) {
  Header header{};
  if (resource.bytes && resource.size >= sizeof(header)) {
    std::memcpy(&header, resource.bytes, sizeof(header));
  }
  return header;
}

// The sizes of 96 DPI (16 and 32) and of 120, 144 and 192 DPI, each an image of its own.
TEST(Resources, IconGroupHoldsTrueColourImagesForEveryDpi) {
  const Resource group = OwnResource(MAKEINTRESOURCEW(IDI_VANTORA), RT_GROUP_ICON);
  ASSERT_NE(nullptr, group.bytes);
  const auto header = HeaderOf<GroupIconHeader>(group);
  ASSERT_EQ(1, header.type);
  ASSERT_EQ(7, header.count);
  ASSERT_EQ(sizeof(GroupIconHeader) + 7 * sizeof(GroupIconEntry), group.size);

  for (const int edge : {64, 48, 40, 32, 24, 20, 16}) {
    SCOPED_TRACE(edge);
    // The directory lookup the system does: it must find a real image of this size, not a
    // scaled copy of the other one.
    const int id = ::LookupIconIdFromDirectoryEx(const_cast<BYTE*>(group.bytes), TRUE, edge, edge, LR_DEFAULTCOLOR);
    ASSERT_NE(0, id);
    const Resource image = OwnResource(MAKEINTRESOURCEW(id), RT_ICON);
    ASSERT_NE(nullptr, image.bytes);
    const auto info = HeaderOf<BITMAPINFOHEADER>(image);
    EXPECT_EQ(edge, info.biWidth);
    EXPECT_EQ(edge * 2, info.biHeight) << "colour image and mask";
    EXPECT_EQ(32, info.biBitCount);
    const DWORD stride = (edge + 31) / 32 * 4;
    EXPECT_EQ(sizeof(info) + edge * edge * 4 + stride * edge, image.size);

    const UniqueIcon icon(
        static_cast<HICON>(::LoadImageW(Self(), MAKEINTRESOURCEW(IDI_VANTORA), IMAGE_ICON, edge, edge, 0)));
    ASSERT_TRUE(icon) << ::GetLastError();
    ICONINFO parts{};
    ASSERT_TRUE(::GetIconInfo(icon.get(), &parts));
    const UniqueBitmap colour(parts.hbmColor), mask(parts.hbmMask);
    BITMAP bm{};
    ASSERT_TRUE(::GetObjectW(colour.get(), sizeof(bm), &bm));
    EXPECT_EQ(edge, bm.bmWidth);
    EXPECT_EQ(edge, bm.bmHeight);
  }
}

TEST(Resources, IconDrawsTransparentCornersAndBlueTitleBar) {
  const UniqueIcon icon(static_cast<HICON>(::LoadImageW(Self(), MAKEINTRESOURCEW(IDI_VANTORA), IMAGE_ICON, 16, 16, 0)));
  ASSERT_TRUE(icon);
  BITMAPINFO info{};
  // Bottom-up, as the resources are: GetObject does not report a top-down DIB's negative
  // height under Wine.
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), 16, 16, 1, 32, BI_RGB};
  void* bits = nullptr;
  const UniqueBitmap target(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  ASSERT_TRUE(target);
  std::memset(bits, 0xFF, 16 * 16 * 4);
  const platform::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
  {
    platform::SelectRestorer select(dc.get(), target.get());
    ASSERT_TRUE(::DrawIconEx(dc.get(), 0, 0, icon.get(), 16, 16, 0, nullptr, DI_NORMAL));
  }
  ::GdiFlush();
  const DibPixels pixels(target.get());
  ASSERT_TRUE(HasShape(pixels, 16, 16, 32));
  for (const auto& [x, y] : pixels.corners()) {
    EXPECT_TRUE(IsWhite(pixels.at(x, y))) << "the background shows through corner " << x << "," << y;
  }
  const Bgra title = pixels.at(5, 3);
  EXPECT_GT(title.b, title.r + 60) << "title bar is blue";
}

// Each glyph at 32 pixels for 96 DPI and drawn again at 40, 48 and 64 for 120, 144 and 192.
TEST(Resources, GlyphsAreDistinctWithAlphaAtEverySize) {
  constexpr std::array ids{IDB_GLYPH_SHUTDOWN, IDB_GLYPH_TRAYICON, IDB_GLYPH_STARTUP, IDB_GLYPH_OPTIONS,
                           IDB_GLYPH_ABOUT,    IDB_GLYPH_TOTRAY,   IDB_GLYPH_EXIT};
  struct Size {
    int edge, idOffset;
  };
  for (const Size size :
       {Size{32, 0}, Size{40, IDB_GLYPH_STEP_40}, Size{48, IDB_GLYPH_STEP_48}, Size{64, IDB_GLYPH_STEP_64}}) {
    const int edge = size.edge;
    std::vector<UniqueBitmap> loaded;
    for (const int id : ids) {
      SCOPED_TRACE(testing::Message() << id << " at " << edge);
      UniqueBitmap bitmap = LoadDib(id + size.idOffset);
      ASSERT_TRUE(bitmap) << ::GetLastError();
      const DibPixels pixels(bitmap.get());
      ASSERT_TRUE(HasShape(pixels, edge, edge, 32));
      for (const auto& [x, y] : pixels.corners()) {
        EXPECT_EQ(0, pixels.at(x, y).a) << "corner " << x << "," << y << " is see-through";
      }
      int opaque = 0, partial = 0;
      for (int y = 0; y < edge; ++y) {
        for (int x = 0; x < edge; ++x) {
          opaque += pixels.at(x, y).a == 255;
          partial += pixels.at(x, y).a > 0 && pixels.at(x, y).a < 255;
        }
      }
      EXPECT_GT(opaque, 150 * edge * edge / (32 * 32)) << "a solid picture, not a faint one";
      // Drawn at its size, its edges are smooth but thin: a stretched small picture would blur
      // them over several pixels.
      EXPECT_LT(partial, opaque / 2) << "sharp edges";
      loaded.push_back(std::move(bitmap));
    }
    for (size_t i = 0; i < loaded.size(); ++i) {
      for (size_t j = i + 1; j < loaded.size(); ++j) {
        EXPECT_FALSE(DibPixels(loaded[i].get()).SameAs(DibPixels(loaded[j].get())))
            << ids[i] << " and " << ids[j] << " show the same picture at " << edge;
      }
    }
  }
}

std::wstring VersionString(const std::vector<BYTE>& block, const wchar_t* name) {
  void* value = nullptr;
  UINT length = 0;
  const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
  if (!::VerQueryValueW(block.data(), path.c_str(), &value, &length) || !value) return L"<none>";
  return static_cast<const wchar_t*>(value);
}

TEST(Resources, VersionInformationNamesTheProduct) {
  wchar_t path[MAX_PATH];
  ASSERT_GT(::GetModuleFileNameW(Self(), path, MAX_PATH), 0u);
  DWORD ignored = 0;
  const DWORD size = ::GetFileVersionInfoSizeW(path, &ignored);
  ASSERT_GT(size, 0u) << ::GetLastError();
  std::vector<BYTE> block(size);
  ASSERT_TRUE(::GetFileVersionInfoW(path, 0, size, block.data()));

  EXPECT_EQ(L"Vantora", VersionString(block, L"ProductName"));
  EXPECT_EQ(L"1.3", VersionString(block, L"ProductVersion"));
  EXPECT_EQ(L"1.3.0.0", VersionString(block, L"FileVersion"));
  EXPECT_EQ(L"Kestrelon Software", VersionString(block, L"CompanyName"));
  EXPECT_EQ(L"Vantora - Desktop Customization Suite", VersionString(block, L"FileDescription"));
  EXPECT_EQ(L"vantora.exe", VersionString(block, L"OriginalFilename"));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(::VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  ASSERT_EQ(sizeof(VS_FIXEDFILEINFO), length);
  EXPECT_EQ(0xFEEF04BDu, fixed->dwSignature);
  EXPECT_EQ(MAKELONG(3, 1), fixed->dwFileVersionMS);
  EXPECT_EQ(0u, fixed->dwFileVersionLS);
  EXPECT_EQ(MAKELONG(3, 1), fixed->dwProductVersionMS);

  DWORD* translation = nullptr;
  ASSERT_TRUE(
      ::VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
  ASSERT_GE(length, sizeof(DWORD));
  EXPECT_EQ(0x0409, LOWORD(*translation));
  EXPECT_EQ(1200, HIWORD(*translation));
}

}  // namespace
