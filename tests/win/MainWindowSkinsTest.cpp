// The main window in every skin the program offers, at no hue offset and at half a turn, read
// back from the screen; each picture is left in the screenshots folder for a human look.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/portable/MainLayout.h"
#include "support/ScreenshotFolder.h"
#include "support/MainForm.h"
#include "support/ScreenPicture.h"

namespace {

using testsupport::ScreenPicture;

COLORREF Ref(skin::Rgb c) { return RGB(c.r, c.g, c.b); }

using testsupport::ScreenshotFolder;

// "MacMetal (internal)" -> "MacMetal": file names without spaces or brackets.
std::wstring FileNamePart(const std::wstring& skin) {
  std::wstring part;
  for (wchar_t c : skin)
    if (c == L' ' || c == L'(')
      break;
    else
      part += c;
  return part;
}

class MainWindowSkinsTest : public testsupport::MainFormTest {
 protected:
  COLORREF PixelAt(const ScreenPicture& client, const char* control, int dx, int dy) const {
    const ui::Bounds b = vantora::MainControlBounds(*vantora::FindMainControl(control));
    return client.At(form.Scale(b.left) + dx, form.Scale(b.top) + dy);
  }
};

TEST_F(MainWindowSkinsTest, EverySkinPaintsTheMainWindowAtHueZeroAndHalfATurn) {
  FocusForm();
  skin::SkinEngine& engine = form.skinEngine;
  ASSERT_GE(engine.SkinNames().size(), 5u) << "the four built-in skins and WMP11 beside the program";
  std::filesystem::create_directories(ScreenshotFolder());
  for (const std::wstring& name : engine.SkinNames()) {
    for (int hue : {0, 180}) {
      SCOPED_TRACE(testing::PrintToString(name) + " hue " + std::to_string(hue));
      ASSERT_TRUE(engine.SetSkinName(name));
      engine.SetHueOffset(hue);
      Pump(150);
      const ScreenPicture client = ScreenPicture::OfClient(form.Handle());
      const skin::Palette& colours = engine.Colours();
      EXPECT_EQ(PixelAt(client, "sPanel3", -4, 20), Ref(colours.window)) << "the form";
      EXPECT_EQ(PixelAt(client, "sPanel3", 4, 60), Ref(colours.panel)) << "a panel";
      EXPECT_EQ(PixelAt(client, "Button13", 8, form.Scale(10)), Ref(colours.button)) << "a button";
      EXPECT_EQ(PixelAt(client, "Edit1", form.Scale(400), form.Scale(10)), Ref(colours.panel)) << "an edit box";
      const std::filesystem::path file =
          ScreenshotFolder() / (L"skin-" + FileNamePart(name) + L"-hue" + std::to_wstring(hue) + L".bmp");
      EXPECT_TRUE(ScreenPicture::OfWindow(form.Handle()).SaveBmp(file.wstring())) << file;
    }
  }
  // Skinning off: the main window in its own colour at once; on: the skin again.
  engine.SetActive(false);
  Pump(100);
  EXPECT_EQ(PixelAt(ScreenPicture::OfClient(form.Handle()), "sPanel3", -4, 20), form.Color());
  EXPECT_TRUE(ScreenPicture::OfWindow(form.Handle()).SaveBmp((ScreenshotFolder() / L"skin-off.bmp").wstring()));
  engine.SetActive(true);
  Pump(100);
  EXPECT_EQ(PixelAt(ScreenPicture::OfClient(form.Handle()), "sPanel3", -4, 20), Ref(engine.Colours().window));
}

}  // namespace
