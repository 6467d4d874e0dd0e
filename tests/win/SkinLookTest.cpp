// The skin engine's look on real controls, read back from the screen: each kind of control in
// the skin's colours, hover and pressed faces under real mouse input, fades, tinted glyphs, and
// the native pixels back when skinning goes off.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string>

#include "ui/Controls.h"
#include "ui/Image.h"
#include "ui/ListView.h"
#include "res/resource.h"
#include "skin/ButtonFades.h"
#include "skin/LookInstaller.h"
#include "skin/portable/Fade.h"
#include "skin/portable/SkinEngine.h"
#include "support/Mouse.h"
#include "support/Pump.h"
#include "support/ScreenPicture.h"
#include "support/TestApp.h"

using testsupport::MouseAt;
using testsupport::ScreenPicture;
using testsupport::ScreenPoint;
using K = ui::ControlKind;

namespace {

// Colours far apart from each other and from any system colour.
constexpr const char* kLoudSkin =
    "window=#203A58\n"
    "panel=#E8D070\n"
    "border=#7A1010\n"
    "button=#5CB85C\n"
    "button.hot=#D060A0\n"
    "button.pressed=#4A70E0\n"
    "button.disabled=#A8A8A8\n"
    "text=#000000\n"
    "text.disabled=#505050\n"
    "accent=#E06000\n"
    "selection=#1A1AA0\n"
    "selection.text=#FFFFFF\n";

COLORREF Ref(skin::Rgb c) { return RGB(c.r, c.g, c.b); }

ui::FormStyle TestFormStyle() {
  ui::FormStyle style = testing_support::PlainFormStyle(L"TSkinTestForm");
  style.clientWidth = 430;
  style.clientHeight = 320;
  style.color = RGB(206, 196, 157);
  style.stayOnTop = true;
  return style;
}

// A form with one control of each kind, on the form and on a panel.
struct EveryKindForm {
  ui::Owned<ui::Form> form{TestFormStyle()};
  ui::Panel panel{form, {"Panel1", K::Panel, {10, 10, 200, 150}}};
  ui::Label onPanel{form, {"Label1", K::Label, {20, 18, 0, 0}, L"On panel", ui::kNoFlags, true}};
  ui::CheckBox check{form, {"CheckBox1", K::CheckBox, {20, 38, 150, 17}, L"Check", ui::kNoFlags, true}};
  ui::RadioButton radio{form, {"Radio1", K::RadioButton, {20, 58, 150, 17}, L"Radio", ui::kChecked, true}, true};
  ui::Edit edit{form, {"Edit1", K::Edit, {20, 82, 150, 21}, L"", ui::kNoFlags, true}};
  ui::TrackBar track{form, {"TrackBar1", K::TrackBar, {20, 112, 170, 30}, L"", ui::kNoFlags, true}, 0, 100, 30};
  ui::Button button{form, {"Button1", K::Button, {225, 10, 120, 25}, L"OK"}};
  ui::BitBtn bitBtn{form, {"BitBtn1", K::BitBtn, {225, 42, 90, 70}, L"Options"}, IDB_GLYPH_SHUTDOWN};
  ui::GroupBox group{form, {"Group1", K::GroupBox, {225, 120, 190, 60}, L"Group"}};
  ui::ComboBox combo{form, {"Combo1", K::ComboBox, {10, 170, 150, 21}}, {L"One", L"Two"}};
  ui::ListView list{form, {"List1", K::ListView, {10, 200, 200, 110}}, {{L"Column", 150}}};
  ui::Bevel bevel{form, {"Bevel1", K::Bevel, {225, 195, 150, 4}}};
  ui::Image image{form, {"Image1", K::Image, {225, 210, 32, 32}}};

  EveryKindForm() {
    list.AddItem(L"first row");
    list.AddItem(L"second row");
    list.SetItemIndex(1);
    form.ArrangeControls();
    form.Show();
    Settle();
  }
  // Lets every paint and fade finish, with the keyboard focus on no control.
  void Settle() {
    ::SetFocus(form.Handle());
    testsupport::PumpFor(250);
  }
  ScreenPicture Picture() const { return ScreenPicture::OfClient(form.Handle()); }
  // A point of a control in the form's client coordinates.
  POINT In(const ui::Control& control, int x, int y) const {
    POINT p{x, y};
    ::MapWindowPoints(control.Handle(), form.Handle(), &p, 1);
    return p;
  }
  COLORREF Pixel(const ScreenPicture& picture, const ui::Control& control, int x, int y) const {
    const POINT p = In(control, x, y);
    return picture.At(p.x, p.y);
  }
  SIZE Size(const ui::Control& control) const {
    RECT r{};
    ::GetClientRect(control.Handle(), &r);
    return {r.right, r.bottom};
  }
  // Somewhere on the form that no control covers.
  POINT Empty() const { return ScreenPoint(form.Handle(), form.Scale(425), form.Scale(5)); }
};

class SkinLookTest : public ::testing::Test {
 protected:
  ui::Application& application = testing_support::TestApplication();
  skin::SkinEngine engine{{skin::SkinFile{L"Loud.vskin", std::string(kLoudSkin)}}};
  EveryKindForm f;

  void SetUp() override {
    ASSERT_TRUE(engine.SetSkinName(L"Loud"));
    engine.SetAnimationEvents(0);
  }
  void Install() {
    installer.emplace(engine);
    f.Settle();
  }
  const skin::Palette& P() const { return engine.Colours(); }

  std::optional<skin::LookInstaller> installer;
};

TEST_F(SkinLookTest, EveryKindOfControlTakesTheSkinsColoursAndTheNativePixelsComeBack) {
  const ScreenPicture native = f.Picture();
  // The native look is today's: the form in its own colour, panels alike, fields white.
  const POINT beside = f.In(f.panel, -5, 5);
  EXPECT_EQ(native.At(beside.x, beside.y), RGB(206, 196, 157));
  EXPECT_EQ(f.Pixel(native, f.panel, 100, 140), RGB(206, 196, 157));
  EXPECT_EQ(f.Pixel(native, f.edit, 100, 8), ::GetSysColor(COLOR_WINDOW));

  Install();
  const ScreenPicture skinned = f.Picture();
  EXPECT_EQ(skinned.At(beside.x, beside.y), Ref(P().window)) << "form";
  EXPECT_EQ(f.Pixel(skinned, f.panel, 100, 140), Ref(P().panel)) << "panel";
  EXPECT_EQ(f.Pixel(skinned, f.panel, 0, 60), Ref(P().border)) << "panel frame";
  EXPECT_EQ(f.Pixel(skinned, f.onPanel, 0, 0), Ref(P().panel)) << "label on a panel";
  EXPECT_GT(skinned.Count(RECT{f.In(f.onPanel, 0, 0).x, f.In(f.onPanel, 0, 0).y, f.In(f.onPanel, 40, 12).x,
                               f.In(f.onPanel, 40, 12).y},
                          Ref(P().text)),
            5)
      << "label text";
  const SIZE buttonSize = f.Size(f.button);
  EXPECT_EQ(f.Pixel(skinned, f.button, buttonSize.cx / 2, 3), Ref(P().button)) << "push button face";
  EXPECT_EQ(f.Pixel(skinned, f.button, buttonSize.cx / 2, 0), Ref(P().border)) << "push button frame";
  EXPECT_EQ(f.Pixel(skinned, f.bitBtn, 4, f.Size(f.bitBtn).cy / 2), Ref(P().button)) << "bitmap button face";
  // The check box at rest is a field; the radio button is checked: its dot is the accent.
  EXPECT_EQ(f.Pixel(skinned, f.check, 2, f.Size(f.check).cy / 2), Ref(P().panel)) << "check box";
  const int box = f.form.Scale(13);
  const int radioTop = (f.Size(f.radio).cy - box) / 2;
  EXPECT_EQ(f.Pixel(skinned, f.radio, box / 2, radioTop + box / 2), Ref(P().accent)) << "radio dot";
  EXPECT_EQ(f.Pixel(skinned, f.group, 20, f.Size(f.group).cy - 10), Ref(P().panel)) << "group box inside";
  EXPECT_EQ(f.Pixel(skinned, f.group, f.Size(f.group).cx - 3, 1), Ref(P().window)) << "group box above its line";
  EXPECT_EQ(f.Pixel(skinned, f.edit, 120, 8), Ref(P().panel)) << "edit";
  EXPECT_EQ(f.Pixel(skinned, f.combo, 90, 8), Ref(P().panel)) << "combo box";
  RECT thumb{};
  ::SendMessageW(f.track.Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  EXPECT_EQ(f.Pixel(skinned, f.track, (thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2), Ref(P().accent))
      << "track bar thumb";
  RECT channel{};
  ::SendMessageW(f.track.Handle(), TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
  EXPECT_EQ(f.Pixel(skinned, f.track, channel.right - 4, (channel.top + channel.bottom) / 2), Ref(P().panel))
      << "track bar channel";
  EXPECT_EQ(f.Pixel(skinned, f.track, 2, 1), Ref(P().panel)) << "track bar background";
  RECT row{};
  ListView_GetItemRect(f.list.Handle(), 1, &row, LVIR_BOUNDS);
  EXPECT_EQ(f.Pixel(skinned, f.list, row.right - 3, (row.top + row.bottom) / 2), Ref(P().selection)) << "selected row";
  ListView_GetItemRect(f.list.Handle(), 0, &row, LVIR_BOUNDS);
  EXPECT_EQ(f.Pixel(skinned, f.list, row.right - 3, (row.top + row.bottom) / 2), Ref(P().panel)) << "row";
  EXPECT_EQ(f.Pixel(skinned, f.list, 20, f.Size(f.list).cy - 5), Ref(P().panel)) << "below the rows";
  RECT header{};
  ::GetWindowRect(ListView_GetHeader(f.list.Handle()), &header);
  EXPECT_EQ(f.Pixel(skinned, f.list, f.Size(f.list).cx - 8, (header.bottom - header.top) / 2), Ref(P().button))
      << "header beyond its column";
  EXPECT_EQ(f.Pixel(skinned, f.list, 100, (header.bottom - header.top) / 2), Ref(P().button)) << "header column";
  EXPECT_EQ(f.Pixel(skinned, f.bevel, 60, 0), Ref(P().border)) << "bevel line";
  EXPECT_EQ(f.Pixel(skinned, f.image, 16, 16), Ref(P().window)) << "image background";

  // Skinning off: exactly the native pixels again; on: the skin again.
  engine.SetActive(false);
  f.Settle();
  const ScreenPicture off = f.Picture();
  EXPECT_EQ(off.Differences(native), 0);
  engine.SetActive(true);
  f.Settle();
  EXPECT_EQ(f.Picture().Differences(skinned), 0);
}

TEST_F(SkinLookTest, AFormMadeLaterTakesTheLookAndTheNativeLookReturnsWithTheInstaller) {
  Install();
  EveryKindForm later;
  ScreenPicture picture = later.Picture();
  EXPECT_EQ(later.Pixel(picture, later.panel, 100, 140), Ref(P().panel));
  EXPECT_EQ(later.Pixel(picture, later.edit, 120, 8), Ref(P().panel));
  RECT row{};
  ListView_GetItemRect(later.list.Handle(), 1, &row, LVIR_BOUNDS);
  EXPECT_EQ(later.Pixel(picture, later.list, row.right - 3, (row.top + row.bottom) / 2), Ref(P().selection));
  // A change of skin repaints every open form.
  ASSERT_TRUE(engine.SetSkinName(L"WLM (internal)"));
  later.Settle();
  picture = later.Picture();
  EXPECT_EQ(later.Pixel(picture, later.panel, 100, 140), Ref(P().panel));
  EXPECT_EQ(f.Pixel(f.Picture(), f.panel, 100, 140), Ref(P().panel));
  installer.reset();
  later.Settle();
  EXPECT_EQ(later.Pixel(later.Picture(), later.panel, 100, 140), RGB(206, 196, 157));
}

TEST_F(SkinLookTest, AFormsOwnColourShowsInTheNativeLookWhileTheSkinKeepsItsWindowColour) {
  const auto beside = [&] {
    const POINT p = f.In(f.panel, -5, 5);
    return f.Picture().At(p.x, p.y);
  };
  f.form.SetColor(RGB(128, 128, 128));
  f.Settle();
  EXPECT_EQ(beside(), RGB(128, 128, 128));
  EXPECT_EQ(f.Pixel(f.Picture(), f.panel, 100, 140), RGB(128, 128, 128)) << "panels follow the form";
  Install();
  f.form.SetColor(RGB(206, 196, 157));
  f.Settle();
  EXPECT_EQ(beside(), Ref(P().window));
  engine.SetActive(false);
  f.Settle();
  EXPECT_EQ(beside(), RGB(206, 196, 157));
}

TEST_F(SkinLookTest, TheDefaultButtonIsFramedInTheAccentAndLosesItWhenTheDefaultMoves) {
  Install();
  const SIZE size = f.Size(f.button);
  const auto frame = [&] { return f.Pixel(f.Picture(), f.button, size.cx / 2, 0); };
  ::SendMessageW(f.button.Handle(), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  testsupport::PumpFor(50);
  EXPECT_EQ(frame(), Ref(P().accent));
  ::SendMessageW(f.button.Handle(), BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  testsupport::PumpFor(50);
  EXPECT_EQ(frame(), Ref(P().border));
}

TEST_F(SkinLookTest, ButtonsShowHoverAndPressedFacesUnderRealMouseInputAtOnceWithoutAnimation) {
  Install();
  const SIZE size = f.Size(f.button);
  const auto face = [&] { return f.Pixel(f.Picture(), f.button, size.cx / 2, 3); };
  MouseAt(f.Empty());
  f.Settle();
  EXPECT_EQ(face(), Ref(P().button));
  MouseAt(ScreenPoint(f.button.Handle(), 10, size.cy / 2));
  testsupport::PumpFor(30);  // shorter than a fade: with no event animated the change is at once
  EXPECT_EQ(face(), Ref(P().buttonHot));
  MouseAt(ScreenPoint(f.button.Handle(), 10, size.cy / 2), MOUSEEVENTF_LEFTDOWN);
  testsupport::PumpFor(30);
  EXPECT_EQ(face(), Ref(P().buttonPressed));
  MouseAt(ScreenPoint(f.button.Handle(), 10, size.cy / 2), MOUSEEVENTF_LEFTUP);
  testsupport::PumpFor(30);
  EXPECT_EQ(face(), Ref(P().buttonHot));
  // The check box's box lights up under the mouse too.
  const int checkMiddle = f.Size(f.check).cy / 2;
  MouseAt(ScreenPoint(f.check.Handle(), 40, checkMiddle));
  testsupport::PumpFor(30);
  EXPECT_EQ(f.Pixel(f.Picture(), f.check, 2, checkMiddle), Ref(P().buttonHot));
  EXPECT_EQ(face(), Ref(P().button)) << "the button was left";
  MouseAt(f.Empty());
  testsupport::PumpFor(30);
  EXPECT_EQ(f.Pixel(f.Picture(), f.check, 2, checkMiddle), Ref(P().panel));
}

// Every colour a fading face shows lies between where it started and where it ends.
bool Between(COLORREF c, COLORREF a, COLORREF b) {
  const auto within = [](int v, int x, int y) { return v >= std::min(x, y) && v <= std::max(x, y); };
  return within(GetRValue(c), GetRValue(a), GetRValue(b)) && within(GetGValue(c), GetGValue(a), GetGValue(b)) &&
         within(GetBValue(c), GetBValue(a), GetBValue(b));
}

TEST_F(SkinLookTest, AnimatedMouseEnterFadesTheFaceWhileOtherEventsStayInstant) {
  engine.SetAnimationEvents(skin::kMouseEnter);
  Install();
  const SIZE size = f.Size(f.button);
  const POINT over = ScreenPoint(f.button.Handle(), 10, size.cy / 2);
  MouseAt(f.Empty());
  f.Settle();
  const COLORREF rest = Ref(P().button), hot = Ref(P().buttonHot);
  MouseAt(over);
  std::set<COLORREF> seen;
  COLORREF last = 0;
  for (ULONGLONG end = ::GetTickCount64() + 400; ::GetTickCount64() < end;) {
    application.ProcessMessages();
    last = f.Pixel(f.Picture(), f.button, size.cx / 2, 3);
    seen.insert(last);
    ::Sleep(4);
  }
  EXPECT_EQ(last, hot);
  int between = 0;
  for (COLORREF c : seen) {
    EXPECT_TRUE(Between(c, rest, hot)) << std::hex << c;
    between += c != rest && c != hot;
  }
  EXPECT_GT(between, 0) << "no frame between the two faces";
  // Mouse leave is not animated: the rest face at once.
  MouseAt(f.Empty());
  testsupport::PumpFor(30);
  EXPECT_EQ(f.Pixel(f.Picture(), f.button, size.cx / 2, 3), rest);
}

TEST_F(SkinLookTest, BitmapButtonGlyphTakesTheHueOffset) {
  // A fully opaque pixel of the glyph as the program carries it.
  const platform::UniqueBitmap source(static_cast<HBITMAP>(::LoadImageW(
      ::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_GLYPH_SHUTDOWN), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  DIBSECTION dib{};
  ASSERT_TRUE(::GetObjectW(source.get(), sizeof(dib), &dib));
  const auto* bits = static_cast<const std::uint8_t*>(dib.dsBm.bmBits);
  const int width = dib.dsBm.bmWidth, height = dib.dsBm.bmHeight;
  int gx = -1, gy = -1;
  for (int y = 0; y < height && gx < 0; ++y)
    for (int x = 0; x < width; ++x) {
      const std::uint8_t* p = bits + (static_cast<size_t>(height - 1 - y) * width + x) * 4;  // bottom-up
      const skin::Lch lch = skin::ToOklch({p[2], p[1], p[0]});
      if (p[3] == 255 && lch.C > 0.08) {
        gx = x, gy = y;
        break;
      }
    }
  ASSERT_GE(gx, 0) << "the glyph has no coloured opaque pixel";
  const std::uint8_t* p = bits + (static_cast<size_t>(height - 1 - gy) * width + gx) * 4;
  const skin::Rgb original{p[2], p[1], p[0]};

  Install();
  const int left = (f.Size(f.bitBtn).cx - width) / 2, top = f.form.Scale(3);
  EXPECT_EQ(f.Pixel(f.Picture(), f.bitBtn, left + gx, top + gy), Ref(original));
  engine.SetHueOffset(180);
  f.Settle();
  const COLORREF turned = f.Pixel(f.Picture(), f.bitBtn, left + gx, top + gy);
  EXPECT_EQ(turned, Ref(skin::Tint(180, 0)(original)));
  EXPECT_NE(turned, Ref(original));
  EXPECT_EQ(f.Pixel(f.Picture(), f.bitBtn, 4, f.Size(f.bitBtn).cy / 2), Ref(P().button)) << "the face turned too";
}

}  // namespace

namespace {

TEST(ButtonFadesTest, FramesRepaintTheButtonUntilTheFadeEndsAndThenTheTimerStops) {
  testing_support::TestApplication();
  ui::Owned<ui::Form> form{TestFormStyle()};
  form.Show();
  testsupport::PumpFor(50);
  int paints = 0;
  form.AddMessageHandler([&](UINT message, WPARAM, LPARAM, LRESULT&) {
    paints += message == WM_PAINT;
    return false;
  });
  skin::ButtonFades fades;
  const skin::Rgb from{0, 0, 0}, to{200, 100, 50};
  EXPECT_FALSE(fades.Running());
  EXPECT_EQ(fades.Face(form.Handle(), to), to) << "not fading: the state's own colour";
  const ULONGLONG start = ::GetTickCount64();
  fades.Start(form.Handle(), from);
  EXPECT_TRUE(fades.Running());
  testsupport::PumpFor(60);
  const skin::Rgb midway = fades.Face(form.Handle(), to);
  if (::GetTickCount64() - start < skin::kFadeMilliseconds - 10) {  // a busy machine may be past it
    EXPECT_GT(midway.r, from.r);
    EXPECT_LT(midway.r, to.r);
  }
  testsupport::PumpFor(300);
  EXPECT_FALSE(fades.Running()) << "the timer runs only while a fade does";
  EXPECT_EQ(fades.Face(form.Handle(), to), to);
  // About one frame per 15 ms over 150 ms; Wine's timers run a little slow.
  EXPECT_GE(paints, 3);
  EXPECT_LE(paints, 14);
  const int afterwards = paints;
  testsupport::PumpFor(100);
  EXPECT_EQ(paints, afterwards) << "no frames once the fade is over";
  // Stopping a fade shows the target at once.
  fades.Start(form.Handle(), from);
  fades.Stop(form.Handle());
  EXPECT_EQ(fades.Face(form.Handle(), to), to);
}

}  // namespace
