#include <gtest/gtest.h>

#include <string>

#include "commands/portable/InfoLayout.h"

namespace {

using commands::InfoRows;
using commands::WindowFacts;

std::wstring Value(const WindowFacts& facts, const std::wstring& key) {
  for (const auto& [k, v] : InfoRows(facts))
    if (k == key) return v;
  ADD_FAILURE() << "no row " << testing::PrintToString(key);
  return {};
}

TEST(InfoRows, RectangleSizesAndAreaOfAWindow) {
  WindowFacts facts;
  facts.title = L"Notes - Editor";
  facts.handle = 0x000A01F2;
  facts.left = 10, facts.top = 20, facts.right = 810, facts.bottom = 620;
  facts.className = L"NotesFrame";
  const auto rows = InfoRows(facts);
  const std::pair<std::wstring, std::wstring> expected[] = {
      {L"Title Bar Text", L"Notes - Editor"},
      {L"Handle No", L"655858"},
      {L"Top", L"20"},
      {L"Left", L"10"},
      {L"Right", L"810"},
      {L"Bottom", L"620"},
      {L"Width", L"800"},
      {L"Height", L"600"},
      {L"Surface Area (Pixels)", L"480000"},
      {L"Class Name", L"NotesFrame"},
      {L"Minimized", L"False"},
      {L"Stay On Top", L"False"},
  };
  ASSERT_EQ(rows.size(), std::size(expected));
  for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i], expected[i]) << i;
}

TEST(InfoRows, HandlesAreUnsignedAndCoordinatesSigned) {
  WindowFacts facts;
  facts.handle = 0x80000000u;
  EXPECT_EQ(Value(facts, L"Handle No"), L"2147483648");
  facts.handle = 0xFFFFFFFEu;
  EXPECT_EQ(Value(facts, L"Handle No"), L"4294967294");

  // Partly off the left and top edges.
  facts.left = -8, facts.top = -31, facts.right = 100, facts.bottom = 9;
  EXPECT_EQ(Value(facts, L"Left"), L"-8");
  EXPECT_EQ(Value(facts, L"Top"), L"-31");
  EXPECT_EQ(Value(facts, L"Width"), L"108");
  EXPECT_EQ(Value(facts, L"Height"), L"40");
  EXPECT_EQ(Value(facts, L"Surface Area (Pixels)"), L"4320");
}

TEST(InfoRows, AreaIsASigned32BitProduct) {
  WindowFacts facts;
  facts.right = 50000, facts.bottom = 50000;  // 2 500 000 000 does not fit
  EXPECT_EQ(Value(facts, L"Surface Area (Pixels)"), L"-1794967296");
  facts.left = 100, facts.right = 0;  // a negative width gives a negative area
  facts.bottom = 3;
  EXPECT_EQ(Value(facts, L"Surface Area (Pixels)"), L"-300");
}

TEST(InfoRows, StatesReadTrueOrFalse) {
  WindowFacts facts;
  facts.minimized = true;
  EXPECT_EQ(Value(facts, L"Minimized"), L"True");
  EXPECT_EQ(Value(facts, L"Stay On Top"), L"False");
  facts.minimized = false;
  facts.topmost = true;
  EXPECT_EQ(Value(facts, L"Minimized"), L"False");
  EXPECT_EQ(Value(facts, L"Stay On Top"), L"True");
}

}  // namespace
