// Pictures saved in the format their name says. A picture of known colours is saved in every
// format of the save dialog: the metafiles are played back here, the PNG, JPEG, GIF and icon
// files are read back by ImageMagick (tests/icons_check.sh), and their headers are checked here.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "icons/PictureFiles.h"
#include "icons/portable/BmpFile.h"
#include "icons/portable/IcoFile.h"
#include "shell/portable/PictureFormat.h"
#include "support/IconFilesOut.h"
#include "support/Leftovers.h"
#include "support/PictureHeader.h"

using testsupport::Contents;
using testsupport::IconOut;

namespace {

constexpr int kWidth = 40, kHeight = 30;
constexpr COLORREF kLeft = RGB(255, 0, 0), kRight = RGB(0, 0, 255), kCorner = RGB(0, 255, 0);

void Fill(HDC dc, RECT rect, COLORREF colour) {
  const platform::UniqueBrush brush(::CreateSolidBrush(colour));
  ::FillRect(dc, &rect, brush.get());
}

// Red on the left half, blue on the right, a green 4 x 4 square at the top left.
platform::CaptureBitmap KnownPicture(int width = kWidth, int height = kHeight) {
  platform::CaptureBitmap picture;
  EXPECT_TRUE(picture.Resize(width, height));
  const platform::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
  const platform::SelectRestorer select(dc.get(), picture.bitmap.get());
  Fill(dc.get(), {0, 0, width / 2, height}, kLeft);
  Fill(dc.get(), {width / 2, 0, width, height}, kRight);
  Fill(dc.get(), {0, 0, 4, 4}, kCorner);
  return picture;
}

// What a metafile draws, played into a white bitmap of the picture's size.
template <class Play>
std::vector<COLORREF> PlayedPixels(Play&& play) {
  const platform::WindowDc screen(nullptr);
  const platform::UniqueBitmap target(::CreateCompatibleBitmap(screen.get(), kWidth, kHeight));
  const platform::UniqueMemoryDc dc(::CreateCompatibleDC(screen.get()));
  const platform::SelectRestorer select(dc.get(), target.get());
  Fill(dc.get(), {0, 0, kWidth, kHeight}, RGB(255, 255, 255));
  play(dc.get());
  return {::GetPixel(dc.get(), 1, 1), ::GetPixel(dc.get(), 10, 20), ::GetPixel(dc.get(), 30, 20),
          ::GetPixel(dc.get(), 5, 1), ::GetPixel(dc.get(), 1, 28),  ::GetPixel(dc.get(), 38, 1)};
}

const std::vector<COLORREF> kExpectedPixels{kCorner, kLeft, kRight, kLeft, kLeft, kRight};

std::wstring Saved(const std::wstring& name) {
  const std::wstring path = IconOut(name);
  ::DeleteFileW(path.c_str());
  icons::SavePicture(KnownPicture(), path);
  return path;
}

vantora::PictureFormat FormatOf(const std::wstring& path) { return vantora::PictureFormatOf(Contents(path)); }

TEST(PictureFiles, EachTypeOfTheSaveDialogWritesItsOwnFormat) {
  using vantora::PictureFormat;
  EXPECT_EQ(FormatOf(Saved(L"known.bmp")), PictureFormat::Bitmap);
  EXPECT_EQ(FormatOf(Saved(L"known.png")), PictureFormat::Png);
  EXPECT_EQ(FormatOf(Saved(L"known.jpg")), PictureFormat::Jpeg);
  EXPECT_EQ(FormatOf(Saved(L"known.JPEG")), PictureFormat::Jpeg);
  EXPECT_EQ(FormatOf(Saved(L"known.gif")), PictureFormat::Gif);
  EXPECT_EQ(FormatOf(Saved(L"known.ico")), PictureFormat::Icon);
  EXPECT_EQ(FormatOf(Saved(L"known.emf")), PictureFormat::EnhancedMetafile);
  EXPECT_EQ(FormatOf(Saved(L"known.wmf")), PictureFormat::Metafile);
  EXPECT_EQ(FormatOf(Saved(L"known.shot")), PictureFormat::Bitmap);  // a name of no picture type

  EXPECT_EQ(testsupport::PngSize(Contents(IconOut(L"known.png"))), (testsupport::DeclaredSize{kWidth, kHeight}));
  EXPECT_EQ(testsupport::GifSize(Contents(IconOut(L"known.gif"))), (testsupport::DeclaredSize{kWidth, kHeight}));
  const auto bitmap = icons::ReadBmp(Contents(IconOut(L"known.bmp")));
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(bitmap->width, uint32_t{kWidth});

  // The icon: one 32-bit image of the picture's size, every pixel opaque.
  const auto iconFile = Contents(IconOut(L"known.ico"));
  const auto icon = icons::ReadIco(iconFile);
  ASSERT_TRUE(icon);
  ASSERT_EQ(icon->images.size(), 1u);
  EXPECT_EQ(icon->images[0].info.width, uint32_t{kWidth});
  EXPECT_EQ(icon->images[0].info.height, uint32_t{kHeight});
  EXPECT_EQ(icon->images[0].info.bitCount, 32);
  const platform::UniqueIcon loaded(static_cast<HICON>(
      ::LoadImageW(nullptr, IconOut(L"known.ico").c_str(), IMAGE_ICON, kWidth, kHeight, LR_LOADFROMFILE)));
  EXPECT_TRUE(loaded) << "the system cannot load the icon file";
}

TEST(PictureFiles, MetafilesDrawThePictureAtItsSize) {
  const std::wstring emfPath = Saved(L"known.emf");
  const HENHMETAFILE emf = ::GetEnhMetaFileW(emfPath.c_str());
  ASSERT_NE(emf, nullptr);
  ENHMETAHEADER header{};
  ::GetEnhMetaFileHeader(emf, sizeof(header), &header);
  EXPECT_EQ(header.rclBounds.right - header.rclBounds.left + 1, kWidth);
  EXPECT_EQ(header.rclBounds.bottom - header.rclBounds.top + 1, kHeight);
  EXPECT_EQ(PlayedPixels([&](HDC dc) {
              const RECT all{0, 0, kWidth, kHeight};
              ::PlayEnhMetaFile(dc, emf, &all);
            }),
            kExpectedPixels);
  ::DeleteEnhMetaFile(emf);

  // The placeable header gives the bounds; the metafile behind it draws in the same units.
  const auto wmf = Contents(Saved(L"known.wmf"));
  ASSERT_GT(wmf.size(), 22u);
  int16_t bounds[4];
  std::memcpy(bounds, wmf.data() + 6, sizeof(bounds));
  EXPECT_EQ(bounds[2] - bounds[0], kWidth);
  EXPECT_EQ(bounds[3] - bounds[1], kHeight);
  uint16_t checksum = 0;
  for (size_t i = 0; i < 10; ++i) checksum ^= static_cast<uint16_t>(wmf[2 * i] | wmf[2 * i + 1] << 8);
  EXPECT_EQ(checksum, static_cast<uint16_t>(wmf[20] | wmf[21] << 8));
  const HMETAFILE metafile = ::SetMetaFileBitsEx(static_cast<UINT>(wmf.size() - 22), wmf.data() + 22);
  ASSERT_NE(metafile, nullptr);
  EXPECT_EQ(PlayedPixels([&](HDC dc) { ::PlayMetaFile(dc, metafile); }), kExpectedPixels);
  ::DeleteMetaFile(metafile);
}

TEST(PictureFiles, APictureTooLargeForAnIconIsRefusedWithAMessageAndTheFileKept) {
  const std::wstring path = IconOut(L"too-large.ico");
  icons::SavePicture(KnownPicture(16, 16), path);
  const auto before = Contents(path);
  try {
    icons::SavePicture(KnownPicture(300, 20), path);
    ADD_FAILURE() << "a 300 x 20 picture was saved as an icon";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(),
                 "The picture is 300 x 20 pixels, too large for an icon: an icon is at most 256 x 256 pixels.");
  }
  EXPECT_EQ(Contents(path), before);
  EXPECT_TRUE(testsupport::TemporaryFilesIn(testsupport::FolderOf(path)).empty());
}

}  // namespace
