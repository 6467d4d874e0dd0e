// The list's row pictures at the DPI the session runs with (96 here, 120, 144 and 192 in the DPI
// runs): each row shows the picture its icon's source holds for the small icon's size, at that
// size in the middle of the cell and transparent around it, never the large picture shrunk.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/IconCanvas.h"
#include "platform/ui/Image.h"
#include "platform/Wine.h"
#include "platform/portable/Dpi.h"
#include "support/ForeignWindows.h"
#include "support/Icons.h"
#include "support/MainForm.h"
#include "support/TestWindow.h"

namespace {

// The colours of a square icon drawn at its size on green.
std::vector<COLORREF> OnGreen(HICON icon, int size) {
  return testsupport::IconInCell(icon, size, size, size, RGB(0, 128, 0));
}

TEST(IconCanvasTest, AnIconIsCentredAtItsOwnSizeAndTransparentAround) {
  // An icon whose transparency is its mask: 32 x 32 red, on a 40 x 40 canvas.
  const auto red = testsupport::SolidIcon(RGB(255, 0, 0), false);
  const auto canvas = platform::CentredOnCanvas(red.get(), 40, 40);
  ASSERT_TRUE(canvas);
  EXPECT_EQ(ui::IconSize(canvas.get()).cx, 40);
  EXPECT_EQ(ui::IconSize(canvas.get()).cy, 40);
  const auto pixels = OnGreen(canvas.get(), 40);
  const auto at = [&](int x, int y) { return pixels[static_cast<size_t>(y * 40 + x)]; };
  for (auto [x, y] : {std::pair{4, 4}, {35, 35}, {20, 20}}) EXPECT_EQ(at(x, y), RGB(255, 0, 0)) << x << "," << y;
  for (auto [x, y] : {std::pair{3, 4}, {36, 20}, {20, 3}, {20, 36}, {0, 0}})
    EXPECT_EQ(at(x, y), RGB(0, 128, 0)) << x << "," << y;

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
  const auto centred = platform::CentredOnCanvas(mono.get(), 20, 20);
  ASSERT_TRUE(centred);
  const auto mixed = OnGreen(centred.get(), 20);
  EXPECT_EQ(mixed[10 * 20 + 5], RGB(255, 255, 255));
  EXPECT_EQ(mixed[10 * 20 + 14], RGB(0, 128, 0));
  EXPECT_EQ(mixed[0], RGB(0, 128, 0));
}

class RowIconTest : public testsupport::MainFormTest {
 protected:
  int SmallSize() const { return vantora::ScaleForDpi(vantora::kSmallIconSize, form.ImageList1.Dpi()); }

  // The row's picture drawn out of the image list onto `under`.
  std::vector<COLORREF> RowPicture(HWND window, COLORREF under = RGB(255, 255, 255)) const {
    const int image = form.ListView1.ItemImage(RowOf(window));
    if (image < 0) return {};
    return testsupport::CellPixels(form.ImageList1, image, under);
  }

  // What the row of a window whose icons come from `file` (this program when empty) must show:
  // the file's own picture of the small size in the middle of the cell. The large picture
  // shrunk to that size must look different, or the check could not tell them apart.
  std::vector<COLORREF> ExpectedPicture(const std::wstring& file = {}) const {
    const int size = SmallSize(), width = form.ImageList1.Width(), height = form.ImageList1.Height();
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
    const int width = form.ImageList1.Width(), height = form.ImageList1.Height();
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
    ASSERT_EQ(form.ImageList1.Dpi(), dpi);
    EXPECT_EQ(form.ImageList1.Width(), vantora::ScaleForDpi(18, dpi));
    // The rows take the cells' new height.
    RECT row{};
    ListView_GetItemRect(form.ListView1.Handle(), RowOf(own.get()), &row, LVIR_ICON);
    EXPECT_GE(row.bottom - row.top, form.ImageList1.Height());
    EXPECT_EQ(testsupport::DifferentPixels(RowPicture(own.get()), ExpectedPicture()), 0);
    EXPECT_LE(form.ImageList1.Count(), form.ListView1.Count());
  }
  ::SendMessageW(own.get(), WM_SETICON, ICON_BIG, 0);
}

}  // namespace
