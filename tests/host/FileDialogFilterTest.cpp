#include <gtest/gtest.h>

#include "ui/portable/FileDialogFilter.h"

using namespace ui;
using namespace std::string_literals;

TEST(DialogFilter, PairsBecomeNulSeparatedAndDoubleNulTerminated) {
  EXPECT_EQ(DialogFilter(L"Bitmap (*.bmp)|*.bmp|All Files (*.*)|*.*"),
            L"Bitmap (*.bmp)\0*.bmp\0All Files (*.*)\0*.*\0\0"s);
  EXPECT_EQ(DialogFilter(L"Icons|*.ico"), L"Icons\0*.ico\0\0"s);
}

TEST(DialogFilter, KeepsMultiplePatternsAndUnicodeDescriptions) {
  EXPECT_EQ(DialogFilter(L"Bilder – Grafik|*.bmp;*.dib"), L"Bilder – Grafik\0*.bmp;*.dib\0\0"s);
}

TEST(DialogFilter, DropsIncompletePairsAndEmptyInput) {
  EXPECT_EQ(DialogFilter(L""), L""s);
  EXPECT_EQ(DialogFilter(L"Only a description"), L""s);
  EXPECT_EQ(DialogFilter(L"Icons|*.ico|Dangling"), L"Icons\0*.ico\0\0"s);
  EXPECT_EQ(DialogFilter(L"Empty pattern||Icons|*.ico"), L"Icons\0*.ico\0\0"s);
}

TEST(DialogDefaultExtension, StripsOneLeadingDot) {
  EXPECT_EQ(DialogDefaultExtension(L".bmp"), L"bmp");
  EXPECT_EQ(DialogDefaultExtension(L"ico"), L"ico");
  EXPECT_EQ(DialogDefaultExtension(L""), L"");
  EXPECT_EQ(DialogDefaultExtension(L"."), L"");
}
