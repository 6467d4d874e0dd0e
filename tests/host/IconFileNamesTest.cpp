// The file-name rules of the icon commands: the ".ICO" test of "Load", and the name the save
// dialog keeps and shows when another file type is picked.
#include <gtest/gtest.h>

#include "icons/portable/FileNames.h"
#include "ui/portable/FileDialogFilter.h"

namespace {

TEST(IconFileNames, ExtensionIsTheLastDotOfTheNameInUpperCase) {
  EXPECT_EQ(icons::UpperExtension(L"C:\\pictures\\PICTURE.ICO"), L".ICO");
  EXPECT_EQ(icons::UpperExtension(L"C:\\pictures\\icon.Ico"), L".ICO");
  EXPECT_EQ(icons::UpperExtension(L"icon.ico.bmp"), L".BMP");
  EXPECT_EQ(icons::UpperExtension(L"C:\\folder.ico\\icon"), L"");  // a dotted folder is no extension
  EXPECT_EQ(icons::UpperExtension(L"icon."), L".");
}

TEST(IconFileNames, APictureIsSavedInTheFormatItsExtensionNames) {
  using enum icons::PictureFileFormat;
  EXPECT_EQ(icons::PictureFileFormatOf(L"C:\\shots\\shot.png"), Png);
  EXPECT_EQ(icons::PictureFileFormatOf(L"shot.JPG"), Jpeg);
  EXPECT_EQ(icons::PictureFileFormatOf(L"shot.jpeg"), Jpeg);
  EXPECT_EQ(icons::PictureFileFormatOf(L"shot.gif"), Gif);
  EXPECT_EQ(icons::PictureFileFormatOf(L"icon.Ico"), Ico);
  EXPECT_EQ(icons::PictureFileFormatOf(L"shot.emf"), Emf);
  EXPECT_EQ(icons::PictureFileFormatOf(L"shot.wmf"), Wmf);
  EXPECT_EQ(icons::PictureFileFormatOf(L"shot.bmp"), Bmp);
  // Any other name is a bitmap, as every picture was before.
  EXPECT_EQ(icons::PictureFileFormatOf(L"shot"), Bmp);
  EXPECT_EQ(icons::PictureFileFormatOf(L"shot.png.txt"), Bmp);
  EXPECT_EQ(icons::PictureFileFormatOf(L"C:\\a.png\\shot"), Bmp);
}

TEST(IconFileNames, PickedTypeReplacesTheExtensionOfTheNameWithoutItsFolder) {
  const std::wstring filter =
      L"Bitmaps (*.bmp)|*.bmp|GIF Image (*.gif)|*.gif|JPEG Image File (*.jpg)|*.jpg|"
      L"JPEG Image File (*.jpeg)|*.jpeg|Portable Network Graphics (*.png)|*.png|Icons (*.ico)|*.ico|"
      L"Enhanced Metafiles (*.emf)|*.emf|Metafiles (*.wmf)|*.wmf";
  EXPECT_EQ(ui::FilterExtension(filter, 1), L".bmp");
  EXPECT_EQ(ui::FilterExtension(filter, 5), L".png");
  EXPECT_EQ(ui::FilterExtension(filter, 8), L".wmf");
  EXPECT_EQ(ui::FilterExtension(filter, 9), L"");
  EXPECT_EQ(ui::FilterExtension(filter, 0), L"");
  EXPECT_EQ(ui::FilterExtension(L"All|*.*|Programs|*.exe;*.scr|Broken|", 2), L".exe");
  EXPECT_EQ(ui::FilterExtension(L"All|*.*", 1), L"");

  EXPECT_EQ(icons::NameForType(L"C:\\shots\\ScreenShot.bmp", L".png"), L"ScreenShot.png");
  EXPECT_EQ(icons::NameForType(L"ScreenShot", L".jpg"), L"ScreenShot.jpg");
  EXPECT_EQ(icons::NameForType(L"D:/a.b/shot", L".gif"), L"shot.gif");
  EXPECT_EQ(icons::NameForType(L"C:\\shots\\shot.bmp", L""), L"shot.bmp");
}

}  // namespace
