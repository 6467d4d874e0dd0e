// The list's row pictures at the DPI the session runs with (96 here, 120, 144 and 192 in the DPI
// runs): each row shows the picture its icon's source holds for the small icon's size, at that
// size in the middle of the cell and transparent around it, never the large picture shrunk.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/system/Wine.h"
#include "ui/portable/Dpi.h"
#include "support/ForeignWindows.h"
#include "support/Icons.h"
#include "support/MainForm.h"
#include "support/TestWindow.h"

namespace {

// Pixels of image `image` drawn on green, by (x, y).
class CellOnGreen {
 public:
  static constexpr COLORREF kGreen = RGB(0, 128, 0);
  CellOnGreen(const ui::ImageList& images, int image)
      : width_(images.Width()), pixels_(testsupport::CellPixels(images, image, kGreen)) {}
  COLORREF At(int x, int y) const { return pixels_[static_cast<size_t>(y * width_ + x)]; }

 private:
  int width_;
  std::vector<COLORREF> pixels_;
};

TEST(IconCanvasTest, AnIconsPictureOfTheSizeSitsInTheMiddleOfTheCellTransparentAround) {
  ui::ImageList images(40, 40);
  const int cell = images.Width();
  // 32 x 32 red whose transparency is its mask: at its own size, and scaled down to 16, as it
  // was loaded from no resource.
  const auto red = testsupport::SolidIcon(RGB(255, 0, 0), false);
  for (const int size : {32, 16}) {
    SCOPED_TRACE(size);
    const int image = images.AddCentred(red.get(), size);
    ASSERT_GE(image, 0);
    const CellOnGreen pixels(images, image);
    const int first = (cell - size) / 2, last = first + size - 1, middle = cell / 2;
    for (auto [x, y] : {std::pair{first, first}, {last, last}, {middle, middle}})
      EXPECT_EQ(pixels.At(x, y), RGB(255, 0, 0)) << x << "," << y;
    for (auto [x, y] :
         {std::pair{first - 1, first}, {last + 1, middle}, {middle, first - 1}, {middle, last + 1}, {0, 0}})
      EXPECT_EQ(pixels.At(x, y), CellOnGreen::kGreen) << x << "," << y;
  }

  // A monochrome icon keeps its AND bits above its picture: 16 x 16, the left half white, the
  // right half transparent.
  std::vector<BYTE> andBits(32), xorBits(32);
  for (size_t row = 0; row < 16; ++row) {
    andBits[row * 2 + 1] = 0xFF;
    xorBits[row * 2] = 0xFF;
  }
  const platform::UniqueIcon mono(
      ::CreateIcon(::GetModuleHandleW(nullptr), 16, 16, 1, 1, andBits.data(), xorBits.data()));
  ASSERT_TRUE(mono);
  ui::ImageList small(20, 20);
  const int first = (small.Width() - 16) / 2;
  const CellOnGreen mixed(small, small.AddCentred(mono.get(), 16));
  EXPECT_EQ(mixed.At(first + 3, 10), RGB(255, 255, 255));
  EXPECT_EQ(mixed.At(first + 12, 10), CellOnGreen::kGreen);
  EXPECT_EQ(mixed.At(0, 0), CellOnGreen::kGreen);
}

class RowIconTest : public testsupport::MainFormTest {
 protected:
  int SmallSize() const { return vantora::ScaleForDpi(vantora::kSmallIconSize, form.rowImages.Dpi()); }

  // The row's picture drawn out of the image list onto `under`.
  std::vector<COLORREF> RowPicture(HWND window, COLORREF under = RGB(255, 255, 255)) const {
    const int image = form.windowListView.ItemImage(RowOf(window));
    if (image < 0) return {};
    return testsupport::CellPixels(form.rowImages, image, under);
  }

  // What the row of a window whose icons come from `file` (this program when empty) must show:
  // the file's own picture of the small size in the middle of the cell. The large picture
  // shrunk to that size must look different, or the check could not tell them apart.
  std::vector<COLORREF> ExpectedPicture(const std::wstring& file = {}) const {
    const int size = SmallSize(), width = form.rowImages.Width(), height = form.rowImages.Height();
    const auto made = testsupport::ResourceIcon(1, size, file);
    const auto large = testsupport::ResourceIcon(1, ::GetSystemMetrics(SM_CXICON), file);
    EXPECT_TRUE(made && large) << "the icon has pictures of both sizes";
    if (!made || !large) return {};
    const auto want = testsupport::IconInCell(made.get(), size, width, height);
    EXPECT_GT(testsupport::DifferentPixels(testsupport::IconInCell(large.get(), size, width, height), want), size)
        << "the large picture shrunk looks like the small one";
    return want;
  }

  // The picture leaves the cell's edges to the row's colour.
  void ExpectTransparentAround(HWND window) const {
    const int width = form.rowImages.Width(), height = form.rowImages.Height();
    const COLORREF green = RGB(0, 128, 0);
    const auto picture = RowPicture(window, green);
    ASSERT_EQ(picture.size(), static_cast<size_t>(width * height));
    for (int x : {0, width - 1})
      for (int y : {0, height - 1}) EXPECT_EQ(picture[static_cast<size_t>(y * width + x)], green) << x << "," << y;
  }
};

TEST_F(RowIconTest, OwnWindowWithTheProgramsSharedIconShowsItsPictureOfTheSmallSize) {
  testsupport::TestWindow own(L"Row icon own window");
  // Loaded shared, at the large size, as a program gives its window its icon.
  const HICON icon = ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
  ::SendMessageW(own.get(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  form.RefreshCatalogue();
  ASSERT_GE(RowOf(own.get()), 0);
  EXPECT_EQ(testsupport::DifferentPixels(RowPicture(own.get()), ExpectedPicture()), 0);
  ExpectTransparentAround(own.get());
  ::SendMessageW(own.get(), WM_SETICON, ICON_BIG, 0);
}

TEST_F(RowIconTest, AnotherProgramsWindowShowsItsFilesPictureOfTheSmallSize) {
  if (!platform::RunningOnWine()) GTEST_SKIP() << "elsewhere the window hands out its own icon";
  testsupport::ForeignWindows iconic(L"--title \"Row icon from the file\"", L"iconic_windows_helper");
  const HWND window = iconic.Find(L"Row icon from the file");
  form.RefreshCatalogue();
  ASSERT_GE(RowOf(window), 0);
  const auto want = ExpectedPicture(testsupport::ForeignWindows::HelperPath(L"iconic_windows_helper"));
  EXPECT_EQ(testsupport::DifferentPixels(RowPicture(window), want), 0);
  ExpectTransparentAround(window);
}

// A DPI change while the program runs sizes the cells anew and draws every row again from the
// picture made for the new small size, without waiting for the next rebuild.
TEST_F(RowIconTest, ADpiChangeRedrawsTheRowsAtTheNewSize) {
  testsupport::TestWindow own(L"Row icon across DPIs");
  const HICON icon = ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
  ::SendMessageW(own.get(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  form.RefreshCatalogue();
  const UINT start = form.Dpi();
  for (const UINT dpi : {start == 144u ? 192u : 144u, start}) {
    SCOPED_TRACE(dpi);
    RECT suggested{};
    ::GetWindowRect(form.Handle(), &suggested);
    ::SendMessageW(form.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    ASSERT_EQ(form.rowImages.Dpi(), dpi);
    EXPECT_EQ(form.rowImages.Width(), vantora::ScaleForDpi(18, dpi));
    // The rows take the cells' new height.
    RECT row{};
    ListView_GetItemRect(form.windowListView.Handle(), RowOf(own.get()), &row, LVIR_ICON);
    EXPECT_GE(row.bottom - row.top, form.rowImages.Height());
    EXPECT_EQ(testsupport::DifferentPixels(RowPicture(own.get()), ExpectedPicture()), 0);
    EXPECT_LE(form.rowImages.Count(), form.windowListView.Count());
  }
  ::SendMessageW(own.get(), WM_SETICON, ICON_BIG, 0);
}

}  // namespace
