// The skin engine's settings as the options dialog and the start-up use them.
#include <gtest/gtest.h>

#include "skin/portable/SkinEngine.h"

using skin::SkinEngine;

namespace {
constexpr const char* kUsableSkin = "base=WLM (internal)\n";
}  // namespace

TEST(SkinEngine, ListsTheBuiltInSkinsThenTheSkinFilesByName) {
  const SkinEngine engine({{L"WMP11.vskin", kUsableSkin},
                           {L"readme.txt", ""},
                           {L"Aqua.VSKIN", kUsableSkin},
                           {L".vskin", kUsableSkin},
                           {L"Notes.vskin.bak", kUsableSkin}});
  const std::vector<std::wstring> expected{
      L"Neutral4 (internal)", L"Ledenets (internal)", L"MacMetal (internal)", L"WLM (internal)", L"Aqua", L"WMP11"};
  EXPECT_EQ(engine.SkinNames(), expected);
  EXPECT_EQ(engine.SkinName(), L"");
  EXPECT_TRUE(engine.Active());
  EXPECT_EQ(engine.AnimationEvents(), skin::kAllAnimationEvents);
  EXPECT_EQ(engine.HueOffset(), 0);
  EXPECT_EQ(engine.Saturation(), 0);
}

TEST(SkinEngine, SelectsOnlySkinsItHasAndAnnouncesEveryChangeOfLook) {
  SkinEngine engine({{L"WMP11.vskin", kUsableSkin}});
  int changes = 0;
  engine.OnAfterChange = [&changes] { ++changes; };

  EXPECT_TRUE(engine.SetSkinName(L"WMP11"));
  EXPECT_EQ(engine.SkinName(), L"WMP11");
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(engine.SetSkinName(L"WMP11"));  // already active: nothing changes
  EXPECT_EQ(changes, 1);

  // Typed text, a name in the wrong case, and the dialog's placeholder entry keep the skin.
  for (const wchar_t* unknown : {L"WMP", L"wmp11", L"No skins available", L""}) {
    EXPECT_FALSE(engine.SetSkinName(unknown)) << unknown;
    EXPECT_EQ(engine.SkinName(), L"WMP11");
  }
  EXPECT_EQ(changes, 1);

  EXPECT_TRUE(engine.SetSkinName(L"WLM (internal)"));
  engine.SetHueOffset(180);
  engine.SetSaturation(-40);
  engine.SetActive(false);
  EXPECT_EQ(changes, 5);
  EXPECT_EQ(engine.HueOffset(), 180);
  EXPECT_EQ(engine.Saturation(), -40);
  EXPECT_FALSE(engine.Active());

  engine.SetAnimationEvents(skin::kMouseEnter | skin::kMouseUp | 0x100);
  EXPECT_EQ(engine.AnimationEvents(), static_cast<unsigned>(skin::kMouseEnter | skin::kMouseUp));
  EXPECT_EQ(changes, 5);  // animations do not change the look
}
