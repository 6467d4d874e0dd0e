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

}  // namespace
