// Every form at the DPI the session runs with: 96 in the ordinary test session, and 120, 144 and
// 192 when tests/dpi_check.sh runs these tests in a prefix of that DPI. Every caption, measured
// with its control's own font, fits the control; no two controls overlap unless one holds the
// other; the main window's controls keep to their columns; every list's columns fill it; headings
// are bold; glyphs are drawn at the DPI's size. A picture of each form, native and skinned, goes
// to the screenshots folder as dpi<N>-<form>-<look>.bmp.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/portable/MainLayout.h"
#include "commands/VantoraInfo.h"
#include "options/VantoraOptions.h"
#include "support/ListColumns.h"
#include "support/ScreenshotFolder.h"
#include "support/MainForm.h"
#include "support/Pump.h"
#include "support/ScreenPicture.h"
#include "support/Script.h"
#include "support/TestWindow.h"

namespace {

using testsupport::ScreenPicture;

using testsupport::ScreenshotFolder;

// The text's extent in a font: one line, or wrapped at `wrapWidth`.
SIZE TextExtent(HFONT font, const std::wstring& text, int wrapWidth = 0) {
  HDC dc = ::GetDC(nullptr);
  HGDIOBJ old = ::SelectObject(dc, font);
  RECT r{0, 0, wrapWidth, 0};
  const UINT format = DT_CALCRECT | (wrapWidth ? DT_WORDBREAK : DT_SINGLELINE);
  ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
  ::SelectObject(dc, old);
  ::ReleaseDC(nullptr, dc);
  return {r.right - r.left, r.bottom - r.top};
}

HFONT FontOf(HWND control) { return reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)); }

// The realised weight of the control's font.
LONG FontWeight(HWND control) {
  HDC dc = ::GetDC(control);
  HGDIOBJ old = ::SelectObject(dc, FontOf(control));
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(dc, &metrics);
  ::SelectObject(dc, old);
  ::ReleaseDC(control, dc);
  return metrics.tmWeight;
}

std::wstring ShownCaption(const ui::Control& c) {
  std::wstring text = c.Caption();
  for (size_t at = text.find(L"&&"); at != std::wstring::npos; at = text.find(L"&&", at + 1)) text.erase(at, 1);
  return text;
}

// Whether the caption, measured with the control's own font, fits the control's client area.
bool CaptionFits(const ui::Form& form, const ui::Control& c) {
  const HWND w = c.Handle();
  const std::wstring text = ShownCaption(c);
  if (text.empty() || !::IsWindowVisible(w)) return true;
  RECT client{};
  ::GetClientRect(w, &client);
  const std::wstring cls = [&] {
    wchar_t name[64] = {};
    ::GetClassNameW(w, name, 64);
    return std::wstring(name);
  }();
  const LONG style = ::GetWindowLongW(w, GWL_STYLE);
  // Whether `text` in `font` fits a control of `width` x `height` at `dpi`.
  const auto fits = [&](HFONT font, int width, int height, unsigned dpi) {
    const auto scaled = [dpi](int pixels) { return ::MulDiv(pixels, static_cast<int>(dpi), 96); };
    if (width <= 0 || height <= 0) return true;  // sized to the text
    if (cls == L"Static") {
      const bool wrapped = (style & SS_TYPEMASK) == SS_CENTER;
      const SIZE t = TextExtent(font, text, wrapped ? width : 0);
      return t.cx <= width && t.cy <= height;
    }
    if (cls != L"Button") return true;
    switch (style & BS_TYPEMASK) {
      case BS_PUSHBUTTON:
      case BS_DEFPUSHBUTTON: {
        const SIZE t = TextExtent(font, text);
        return t.cx + 4 <= width && t.cy <= height;  // inside the 2-pixel frame
      }
      case BS_AUTOCHECKBOX:
      case BS_AUTORADIOBUTTON: {
        const SIZE t = TextExtent(font, text);
        return scaled(13) + scaled(3) + t.cx <= width && t.cy <= height;
      }
      case BS_GROUPBOX: return TextExtent(font, text).cx + scaled(16) <= width;
      case BS_OWNERDRAW: {  // the glyph above a wrapped caption
        const SIZE t = TextExtent(font, text, width - 4);
        return t.cx <= width - 4 && scaled(3) + scaled(32) + 1 + t.cy <= height - 2;
      }
      default: return true;
    }
  };
  return fits(FontOf(w), client.right, client.bottom, form.Dpi());
}

void ExpectCaptionsFit(const ui::Form& form, std::span<const std::string_view> sharedRow = {}) {
  for (const ui::Control* c : form.Controls()) {
    if (std::find(sharedRow.begin(), sharedRow.end(), c->Name()) != sharedRow.end()) continue;
    EXPECT_TRUE(CaptionFits(form, *c)) << c->Name() << " " << testing::PrintToString(c->Caption()) << " is cut";
  }
}

// Where a control shows on its form: a bevel is its line, not its whole box.
RECT ShownRect(const ui::Control& c) {
  RECT r{};
  ::GetWindowRect(c.Handle(), &r);
  ::MapWindowPoints(nullptr, c.Owner().Handle(), reinterpret_cast<POINT*>(&r), 2);
  if (c.Name().rfind("Bevel", 0) == 0) {
    if (r.right - r.left < r.bottom - r.top)
      r.right = r.left + 2;
    else
      r.bottom = r.top + 2;
  }
  return r;
}

bool Contains(const RECT& outer, const RECT& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

bool OverlapOutside(const RECT& a, const RECT& b) {
  RECT both{};
  return ::IntersectRect(&both, &a, &b) && !Contains(a, b) && !Contains(b, a);
}

bool IsText(const ui::Control& c) {
  wchar_t name[16] = {};
  ::GetClassNameW(c.Handle(), name, 16);
  return std::wstring(name) == L"Static" && (::GetWindowLongW(c.Handle(), GWL_STYLE) & SS_TYPEMASK) != SS_OWNERDRAW &&
         !c.Caption().empty();
}

// No two controls overlap, and no two labels' texts touch, unless one holds the other.
void ExpectNoOverlaps(const ui::Form& form) {
  std::vector<const ui::Control*> shown;
  for (const ui::Control* c : form.Controls())
    if (::IsWindowVisible(c->Handle())) shown.push_back(c);
  // Texts side by side need a pixel between them.
  const auto apart = [](RECT r, bool text) {
    if (text) ++r.right;
    return r;
  };
  for (size_t i = 0; i < shown.size(); ++i)
    for (size_t j = i + 1; j < shown.size(); ++j) {
      const bool texts = IsText(*shown[i]) && IsText(*shown[j]);
      if (OverlapOutside(apart(ShownRect(*shown[i]), texts), apart(ShownRect(*shown[j]), texts)))
        ADD_FAILURE() << shown[i]->Name() << " and " << shown[j]->Name() << (texts ? " touch" : " overlap");
    }
}

// Every cell of a report-view list, and every column title, fits its column with the list's own
// font, and every row shows without scrolling.
void ExpectCellsFit(const ui::Form& form, const ui::ListView& list) {
  const HWND w = list.Handle();
  // A cell keeps a margin on each side of its text.
  const auto fits = [&](const std::wstring& text, int width) {
    return TextExtent(FontOf(w), text).cx + 2 * form.Scale(6) <= width;
  };
  const HWND header = ListView_GetHeader(w);
  const int columns = Header_GetItemCount(header);
  ASSERT_GT(columns, 0);
  for (int column = 0; column < columns; ++column) {
    const int width = ListView_GetColumnWidth(w, column);
    wchar_t title[64] = {};
    HDITEMW item{};
    item.mask = HDI_TEXT;
    item.pszText = title;
    item.cchTextMax = 64;
    Header_GetItem(header, column, &item);
    EXPECT_TRUE(fits(title, width)) << "column title " << testing::PrintToString(std::wstring(title)) << " is cut";
    for (int row = 0; row < ListView_GetItemCount(w); ++row) {
      wchar_t text[256] = {};
      ListView_GetItemText(w, row, column, text, 256);
      EXPECT_TRUE(fits(text, width)) << "cell " << row << "," << column << " "
                                     << testing::PrintToString(std::wstring(text)) << " is cut";
    }
  }
  RECT client{}, last{};
  ::GetClientRect(w, &client);
  const int rows = ListView_GetItemCount(w);
  ListView_GetItemRect(w, rows - 1, &last, LVIR_BOUNDS);
  EXPECT_LE(last.bottom, client.bottom) << "the last row is hidden";
  EXPECT_GE(ListView_GetCountPerPage(w), rows);
}

// Every control of the main window lies inside the column it belongs to, and none but the line
// itself reaches the line between the halves.
void ExpectWithinColumns(const ui::Form& form) {
  const auto scaled = [&](const ui::Bounds& b) {
    return RECT{form.Scale(b.left), form.Scale(b.top), form.Scale(b.left + b.width), form.Scale(b.top + b.height)};
  };
  const ui::Control* separator = form.FindControl(std::string(vantora::main_layout::kSeparator));
  ASSERT_NE(separator, nullptr);
  const RECT line = ShownRect(*separator);
  for (const ui::Control* c : form.Controls()) {
    if (c == separator || !::IsWindowVisible(c->Handle())) continue;
    const RECT shown = ShownRect(*c);
    RECT both{};
    EXPECT_FALSE(::IntersectRect(&both, &shown, &line)) << c->Name() << " reaches the line between the halves";
    for (const ui::Bounds& column : vantora::main_layout::kColumns) {
      if (!Contains(scaled(column), scaled(c->DesignBounds()))) continue;
      EXPECT_TRUE(Contains(scaled(column), shown)) << c->Name() << " leaves its column";
    }
  }
}

// The tile commands side by side: Wine's Tahoma draws their captions wider than Windows' does,
// wider together than their half of the window.
constexpr std::string_view kTilePair[] = {"Button17", "Button22"};

// Push buttons side by side in a row: each caption fits while the row holds them all; when it
// cannot, each button has its share of the row's width, in proportion to its caption.
void ExpectRowShared(const ui::Form& form, std::span<const std::string_view> names) {
  std::vector<const ui::Control*> row;
  std::vector<int> asked;
  int left = INT_MAX, right = INT_MIN, all = 0;
  for (std::string_view name : names) {
    const ui::Control* c = form.FindControl(std::string(name));
    ASSERT_NE(c, nullptr);
    const RECT shown = ShownRect(*c);
    left = std::min(left, static_cast<int>(shown.left));
    right = std::max(right, static_cast<int>(shown.right));
    row.push_back(c);
    asked.push_back(TextExtent(FontOf(c->Handle()), ShownCaption(*c)).cx + 4);  // inside the frame
    all += asked.back();
  }
  const bool roomForAll = all + static_cast<int>(names.size()) - 1 <= right - left;
  for (size_t k = 0; k < row.size(); ++k) {
    const RECT shown = ShownRect(*row[k]);
    if (roomForAll) {
      EXPECT_TRUE(CaptionFits(form, *row[k])) << row[k]->Name() << " is cut";
    } else {  // less a pixel of the gap and one of rounding
      EXPECT_GE(shown.right - shown.left, asked[k] * (right - left) / all - 2)
          << row[k]->Name() << " has less than its share";
    }
  }
}

void SavePicture(const ui::Form& form, const std::string& name) {
  std::filesystem::create_directories(ScreenshotFolder());
  const std::wstring file =
      L"dpi" + std::to_wstring(form.Dpi()) + L"-" + std::wstring(name.begin(), name.end()) + L".bmp";
  EXPECT_TRUE(ScreenPicture::OfWindow(form.Handle()).SaveBmp((ScreenshotFolder() / file).wstring()));
}

// A change of look gives the main window's sliders the focus, which brings the main window up
// (the options dialog brings itself back when it made the change); the dialog comes back to the
// front for its picture.
void SavePictureInFront(ui::Form& dialog, const std::string& name) {
  ::SetForegroundWindow(dialog.Handle());
  testsupport::PumpFor(150);
  dialog.Repaint();
  SavePicture(dialog, name);
}

class DpiLayoutTest : public testsupport::MainFormTest {
 protected:
  // Both looks in turn: the program's start-up skin, then the system's own look.
  template <class Check>
  void InBothLooks(Check check) {
    for (bool skinned : {true, false}) {
      SCOPED_TRACE(skinned ? "skinned" : "native");
      form.skinEngine.SetActive(skinned);
      Pump(150);
      check(skinned ? std::string("skinned") : std::string("native"));
    }
    form.skinEngine.SetActive(true);
  }
  testsupport::TestWindow target{L"DPI layout target"};
};

TEST_F(DpiLayoutTest, MainWindowCaptionsFitWithoutOverlapsBoldHeadingsAndGlyphsOfTheDpi) {
  FocusForm();
  Select(target.get());
  EXPECT_EQ(form.Dpi(), ui::DpiOfWindow(nullptr));
  ExpectCaptionsFit(form, kTilePair);
  ExpectRowShared(form, kTilePair);
  ExpectNoOverlaps(form);
  ExpectWithinColumns(form);
  testsupport::ExpectColumnsFill(form.windowListView.Handle());
  // The realised weight rather than the ink: Wine's own Tahoma Bold draws regular strokes above
  // 12 pixels (see README), so ink could only be compared on Windows.
  for (const ui::LayoutRow& row : vantora::MainWindowLayout()) {
    if (row.kind == ui::ControlKind::Heading || (row.kind == ui::ControlKind::Label && (row.flags & ui::kBold))) {
      EXPECT_GE(FontWeight(form.FindControl(std::string(row.name))->Handle()), FW_BOLD) << row.name;
    }
  }
  for (ui::BitBtn* button : {&form.shutdown, &form.trayIconToggle, &form.startWithWindows, &form.optionsButton,
                             &form.aboutButton, &form.toTray, &form.exitButton}) {
    const SIZE glyph = button->GlyphSize();
    EXPECT_EQ(glyph.cx, form.Scale(32)) << button->Name();
    EXPECT_EQ(glyph.cy, form.Scale(32)) << button->Name();
  }
  EXPECT_EQ(form.rowImages.Width(), form.Scale(18)) << "the list's row icons";
  ICONINFO tray{};
  ASSERT_TRUE(::GetIconInfo(form.trayIcon.Icon(), &tray));
  const platform::UniqueBitmap trayColour(tray.hbmColor), trayMask(tray.hbmMask);
  BITMAP trayBits{};
  ::GetObjectW(trayColour.get(), sizeof(trayBits), &trayBits);
  EXPECT_EQ(trayBits.bmWidth, form.Scale(16)) << "the notification area's icon, a small icon of the DPI";
  InBothLooks([&](const std::string& look) { SavePicture(form, "main-" + look); });
}

// The list's icon cells in the skin's colours: the program's icon, whose corners are clear,
// shows the selected row's colour around it, and the list's colour on a row not selected.
TEST_F(DpiLayoutTest, ListIconsKeepTheirTransparencyOnTheSkinsRowColours) {
  testsupport::TestWindow other{L"DPI layout other"};
  const HICON icon = ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
  for (HWND w : {target.get(), other.get()}) ::SendMessageW(w, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  FocusForm();
  Select(target.get());
  ASSERT_TRUE(form.skinEngine.Active());
  Pump(150);
  const skin::Palette& colours = form.skinEngine.Colours();
  const auto cornerOf = [&](HWND window) {
    RECT cell{};
    ListView_GetItemRect(form.windowListView.Handle(), RowOf(window), &cell, LVIR_ICON);
    ::MapWindowPoints(form.windowListView.Handle(), nullptr, reinterpret_cast<POINT*>(&cell), 2);
    const int size = form.rowImages.Width();
    const int left = (cell.left + cell.right - size) / 2, top = (cell.top + cell.bottom - size) / 2;
    return ScreenPicture(RECT{left, top, left + 1, top + 1}).At(0, 0);
  };
  ::RedrawWindow(form.windowListView.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
  EXPECT_EQ(cornerOf(target.get()), RGB(colours.selection.r, colours.selection.g, colours.selection.b));
  EXPECT_EQ(cornerOf(other.get()), RGB(colours.panel.r, colours.panel.g, colours.panel.b));
  SavePicture(form, "list-icons-skinned");
  for (HWND w : {target.get(), other.get()}) ::SendMessageW(w, WM_SETICON, ICON_BIG, 0);
}

TEST_F(DpiLayoutTest, OptionsDialogCaptionsFitWithoutOverlaps) {
  FocusForm();
  testsupport::Script script([this] {
    if (TForm10* d = TForm10::Open()) d->cancel.Click();
  });
  script.Then([] { return TForm10::Open() != nullptr; },
              [&] {
                TForm10& dialog = *TForm10::Open();
                Pump(100);
                ExpectCaptionsFit(dialog);
                ExpectNoOverlaps(dialog);
                InBothLooks([&](const std::string& look) { SavePictureInFront(dialog, "options-" + look); });
                dialog.cancel.Click();
              });
  form.optionsButton.Click();
  EXPECT_TRUE(script.Done());
}

TEST_F(DpiLayoutTest, ResizeScreenCaptionsFitWithoutOverlapsAndTheHandleOnTop) {
  ::SetWindowPos(target.get(), nullptr, 100, 80, 640, 480, SWP_NOZORDER);
  FocusForm();
  Select(target.get());
  testsupport::Script script([this] {
    if (TForm7* s = form.windowDialogs.ResizeScreen()) s->cancel.Click();
  });
  script.Then(
      [this] { return form.windowDialogs.ResizeScreen() && form.windowDialogs.ResizeScreen()->Visible(); },
      [&] {
        TForm7& screen = *form.windowDialogs.ResizeScreen();
        // The picture and the panel hold the rest; the label lies under the buttons.
        ExpectCaptionsFit(screen);
        for (ui::Control* c : {static_cast<ui::Control*>(&screen.cancel), static_cast<ui::Control*>(&screen.apply)})
          EXPECT_FALSE(OverlapOutside(ShownRect(*c), ShownRect(screen.dragHandle))) << c->Name();
        RECT handle{};
        ::GetWindowRect(screen.dragHandle.Handle(), &handle);
        EXPECT_EQ(::WindowFromPoint({handle.left + 2, handle.top + 2}), screen.dragHandle.Handle());
        InBothLooks([&](const std::string& look) {
          screen.Repaint();
          SavePicture(screen, "resize-" + look);
        });
        screen.cancel.Click();
      });
  form.ResizeWindowClick();
  EXPECT_TRUE(script.Done());
}

TEST_F(DpiLayoutTest, InfoDialogCaptionsAndCellsFitWithoutOverlaps) {
  FocusForm();
  Select(target.get());
  testsupport::Script script([this] {
    if (TForm13* d = form.windowDialogs.InfoDialog()) d->done.Click();
  });
  script.Then([this] { return form.windowDialogs.InfoDialog() && form.windowDialogs.InfoDialog()->Visible(); },
              [&] {
                TForm13& dialog = *form.windowDialogs.InfoDialog();
                Pump(100);
                ASSERT_EQ(dialog.rows.Value(L"Title Bar Text"), L"DPI layout target");
                ExpectCaptionsFit(dialog);
                ExpectNoOverlaps(dialog);
                ExpectCellsFit(dialog, dialog.rows);
                testsupport::ExpectColumnsFill(dialog.rows.Handle());
                InBothLooks([&](const std::string& look) { SavePictureInFront(dialog, "info-" + look); });
                dialog.done.Click();
              });
  form.WindowInfoClick();
  EXPECT_TRUE(script.Done());
}

}  // namespace
