// Skin files: reading them, completing them from their bases, and refusing what is not a skin.
#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "skin/portable/BuiltInSkins.h"
#include "skin/portable/SkinEngine.h"
#include "skin/portable/SkinFileParser.h"

using skin::Rgb;

namespace {

const skin::Palette& BuiltIn(std::wstring_view name) { return skin::FindBuiltInSkin(name)->palette; }

// The problems of a library as "file: reason" lines, for readable failures.
std::wstring Problems(const std::vector<skin::SkinProblem>& problems) {
  std::wstring text;
  for (const auto& problem : problems) text += problem.file + L": " + problem.reason + L"\n";
  return text;
}

const skin::Palette* Find(const skin::SkinLibrary& library, std::wstring_view name) {
  for (const auto& skin : library.skins)
    if (skin.name == name) return &skin.palette;
  return nullptr;
}

}  // namespace

TEST(SkinFile, ReadsColoursBaseAndDescriptionWhateverTheLineEndsAndSpaces) {
  const skin::ParsedSkin parsed = skin::ParseSkinText(
      "\xEF\xBB\xBF# a comment\r\n"
      "\r\n"
      "format=1\r\n"
      "  description = Frost \xE2\x9D\x84 blue  \n"
      "\tbase=WLM (internal)\n"
      "window=#1a2B3c\n"
      "   # indented comment\n"
      "selection.text =  #FFFFFF");
  ASSERT_EQ(parsed.error, L"");
  EXPECT_EQ(parsed.skin.base, L"WLM (internal)");
  EXPECT_EQ(parsed.skin.baseLine, 5);
  EXPECT_EQ(parsed.skin.description, L"Frost \u2744 blue");
  int given = 0;
  for (size_t i = 0; i < skin::kColourRoleCount; ++i) {
    if (skin::kColourRoles[i].key == "window") {
      EXPECT_EQ(parsed.skin.colours[i], (Rgb{0x1A, 0x2B, 0x3C}));
    }
    if (skin::kColourRoles[i].key == "selection.text") {
      EXPECT_EQ(parsed.skin.colours[i], (Rgb{255, 255, 255}));
    }
    given += parsed.skin.colours[i].has_value();
  }
  EXPECT_EQ(given, 2);
}

TEST(SkinFile, RefusesWhatIsNotASkinFileSayingWhereAndWhy) {
  const std::string overlong = "description=" + std::string(300, 'x');
  const struct {
    std::string text;
    std::wstring reason;
  } cases[] = {
      {"window=#12345\n", L"line 1: '#12345' is not a colour (#RRGGBB)"},
      {"# c\nwindow=#GG0000\n", L"line 2: '#GG0000' is not a colour (#RRGGBB)"},
      {"window=236,236,236\n", L"line 1: '236,236,236' is not a colour (#RRGGBB)"},
      {"window=\n", L"line 1: '' is not a colour (#RRGGBB)"},
      {"\n\nwindw=#FFFFFF\n", L"line 3: 'windw' is not a skin key"},
      {"Window=#FFFFFF\n", L"line 1: 'Window' is not a skin key"},
      {"window #FFFFFF\n", L"line 1: expected key=value"},
      {"=#FFFFFF\n", L"line 1: expected key=value"},
      {"text=#000000\nbase=A\ntext=#111111\n", L"line 3: 'text' given again (first on line 1)"},
      {"base=\n", L"line 1: base= names no skin"},
      {"format=2\n", L"line 1: format '2' is not one this program reads (1)"},
      {"window=#FFFFFF\n" + overlong + "\n", L"line 2: longer than 256 bytes"},
      {std::string("window=#FF\0FF00\n", 16), L"line 1: control character 0 in the text"},
      {"\x7F\x45LF\x01\x01\x01\n", L"line 1: control character 127 in the text"},
      {"description=caf\xE9\n", L"line 1: not UTF-8 text"},
      {"description=\xC0\xAF\n", L"line 1: not UTF-8 text"},      // overlong '/'
      {"description=\xED\xA0\x80\n", L"line 1: not UTF-8 text"},  // a lone surrogate
      {"window=#FFFFFF\r\r\n", L"line 1: control character 13 in the text"},
      {std::string(skin::kMaxSkinFileBytes + 1, '#'), L"larger than 65536 bytes"},
  };
  for (const auto& c : cases) EXPECT_EQ(skin::ParseSkinText(c.text).error, c.reason) << c.text.substr(0, 40);

  // A long key is quoted shortened, and a character beyond the basic plane is not cut in two.
  const std::wstring reason = skin::ParseSkinText(std::string(39, 'k') + "\xF0\x9F\x8E\xA8k=#000000").error;
  EXPECT_EQ(reason, L"line 1: '" + std::wstring(39, L'k') + (sizeof(wchar_t) == 2 ? L"" : L"\U0001F3A8") +
                        L"...' is not a skin key");
}

TEST(SkinFile, MissingColoursComeFromTheBaseAlongAChainOfFiles) {
  const skin::SkinLibrary library = skin::LoadSkins({
      {L"Mint.vskin", "base=Leaf\nselection=#00AA77\n"},
      {L"Leaf.vskin", "base=Neutral4 (internal)\naccent=#2E7D32\nselection=#2E7D32\n"},
      {L"Whole.vskin",
       "window=#010101\npanel=#020202\nborder=#030303\nbutton=#040404\nbutton.hot=#050505\n"
       "button.pressed=#060606\nbutton.disabled=#070707\ntext=#080808\ntext.disabled=#090909\n"
       "accent=#0A0A0A\nselection=#0B0B0B\nselection.text=#0C0C0C\n"},
  });
  ASSERT_EQ(Problems(library.problems), L"");
  std::vector<std::wstring> names;
  for (const auto& skin : library.skins) names.push_back(skin.name);
  EXPECT_EQ(names, (std::vector<std::wstring>{L"Neutral4 (internal)", L"Ledenets (internal)", L"MacMetal (internal)",
                                              L"WLM (internal)", L"Leaf", L"Mint", L"Whole"}));

  skin::Palette leaf = BuiltIn(L"Neutral4 (internal)");
  leaf.accent = leaf.selection = {0x2E, 0x7D, 0x32};
  EXPECT_EQ(*Find(library, L"Leaf"), leaf);
  skin::Palette mint = leaf;
  mint.selection = {0x00, 0xAA, 0x77};
  EXPECT_EQ(*Find(library, L"Mint"), mint);
  const skin::Palette whole = *Find(library, L"Whole");
  EXPECT_EQ(whole.window, (Rgb{1, 1, 1}));
  EXPECT_EQ(whole.buttonDisabled, (Rgb{7, 7, 7}));
  EXPECT_EQ(whole.selectionText, (Rgb{12, 12, 12}));
}

TEST(SkinFile, CyclesUnknownBasesAndIncompleteFilesAreLeftOutWithTheirReasons) {
  const skin::SkinLibrary library = skin::LoadSkins({
      {L"Ping.vskin", "# ping\nbase=Pong\n"},
      {L"Pong.vskin", "base=Ping\n"},
      {L"Self.vskin", "\n\n\nbase=Self\n"},
      {L"Rider.vskin", "base=Ping\n"},
      {L"Lost.vskin", "text=#000000\nbase=Nowhere\n"},
      {L"Broken.vskin", "window=#12\n"},
      {L"OnBroken.vskin", "base=Broken\n"},
      {L"Bare.vskin", "window=#FFFFFF\n"},
      {L"Neutral4 (internal).vskin", "base=WLM (internal)\n"},
      {L"Unreadable.vskin", std::nullopt},
      {L"Good.vskin", "base=MacMetal (internal)\n"},
      {L"notes.txt", "not a skin at all"},
  });
  ASSERT_EQ(library.skins.size(), std::size(skin::kBuiltInSkins) + 1);
  EXPECT_EQ(library.skins.back().name, L"Good");
  EXPECT_EQ(library.skins.back().palette, BuiltIn(L"MacMetal (internal)"));
  EXPECT_EQ(Problems(library.problems),
            L"Bare.vskin: no colour for 'panel' and no base= to take it from\n"
            L"Broken.vskin: line 1: '#12' is not a colour (#RRGGBB)\n"
            L"Lost.vskin: line 2: base 'Nowhere' is not a skin\n"
            L"Neutral4 (internal).vskin: a built-in skin has this name\n"
            L"OnBroken.vskin: line 1: base 'Broken' is not a usable skin\n"
            L"Ping.vskin: line 2: base 'Pong' leads back to this skin\n"
            L"Pong.vskin: line 1: base 'Ping' leads back to this skin\n"
            L"Rider.vskin: line 1: base 'Ping' is not a usable skin\n"
            L"Self.vskin: line 4: base 'Self' leads back to this skin\n"
            L"Unreadable.vskin: the file cannot be read\n");
}

TEST(SkinFile, TheEngineSkipsBadFilesReportsEachOnceAndPaintsTheActiveSkin) {
  skin::SkinEngine engine({{L"Bad.vskin", "window=white\n"},
                           {L"Leaf.vskin", "base=Neutral4 (internal)\naccent=#2E7D32\n"},
                           {L"Loop.vskin", "base=Loop\n"}});
  EXPECT_EQ(engine.SkinNames().back(), L"Leaf");
  EXPECT_FALSE(engine.SetSkinName(L"Bad"));
  EXPECT_EQ(Problems(engine.TakeSkinProblems()),
            L"Bad.vskin: line 1: 'white' is not a colour (#RRGGBB)\n"
            L"Loop.vskin: line 1: base 'Loop' leads back to this skin\n");
  EXPECT_TRUE(engine.TakeSkinProblems().empty());

  // Until a skin is chosen the first built-in one shows; then the chosen one, tinted.
  EXPECT_EQ(engine.Colours(), BuiltIn(L"Neutral4 (internal)"));
  ASSERT_TRUE(engine.SetSkinName(L"Leaf"));
  EXPECT_EQ(engine.Colours().accent, (Rgb{0x2E, 0x7D, 0x32}));
  engine.SetHueOffset(120);
  engine.SetSaturation(50);
  skin::Palette leaf = BuiltIn(L"Neutral4 (internal)");
  leaf.accent = {0x2E, 0x7D, 0x32};
  EXPECT_EQ(engine.Colours(), skin::EffectivePalette(leaf, 120, 50));
  EXPECT_NE(engine.Colours().accent, leaf.accent);
}

TEST(SkinFile, TheStartupSkinShipsAsAWholeUsableFile) {
  // From the source folder the build names: __FILE__ is relative where a compiler cache rewrites paths.
  const auto path = std::filesystem::path(VANTORA_SOURCE_DIR) / "Skins" / "WMP11.vskin";
  std::ifstream in(path, std::ios::binary);
  ASSERT_TRUE(in) << path;
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const skin::ParsedSkin parsed = skin::ParseSkinText(text);
  ASSERT_EQ(parsed.error, L"");
  for (size_t i = 0; i < skin::kColourRoleCount; ++i)
    EXPECT_TRUE(parsed.skin.colours[i]) << skin::kColourRoles[i].key << " comes from the base";

  skin::SkinEngine engine({{L"WMP11.vskin", text}});
  EXPECT_TRUE(engine.SetSkinName(L"WMP11"));
  EXPECT_TRUE(engine.TakeSkinProblems().empty());
  EXPECT_EQ(skin::EffectivePalette(engine.Colours(), 0, 0), engine.Colours());  // legible as it is
}

TEST(SkinFile, TheMessageAboutFilesLeftOutNamesTheFirstTenAndCountsTheRest) {
  const auto messageFor = [](int badFiles) {
    std::vector<skin::SkinFile> files{{L"Good.vskin", "base=Neutral4 (internal)\n"}};
    for (int i = 0; i < badFiles; ++i) {
      wchar_t name[32];
      swprintf(name, 32, L"Bad%03d.vskin", i);
      files.push_back({name, "window=white\n"});
    }
    return skin::SkinProblemsMessage(skin::LoadSkins(files).problems);
  };
  const auto lines = [](const std::wstring& text) { return std::count(text.begin(), text.end(), L'\r') + 1; };

  const std::wstring many = messageFor(300);
  EXPECT_EQ(lines(many), 12);  // the heading, ten files, the count
  EXPECT_EQ(many.rfind(L"These skins could not be loaded and were left out:\rBad000.vskin: line 1: 'white' is not "
                       L"a colour (#RRGGBB)\rBad001.vskin: ",
                       0),
            0u);
  EXPECT_NE(many.find(L"\rBad009.vskin: "), std::wstring::npos);
  EXPECT_EQ(many.find(L"Bad010"), std::wstring::npos);
  EXPECT_TRUE(many.ends_with(L"\r...and 290 more files.")) << many;

  EXPECT_TRUE(messageFor(11).ends_with(L"\r...and 1 more file."));
  const std::wstring ten = messageFor(10);
  EXPECT_EQ(lines(ten), 11);
  EXPECT_TRUE(ten.ends_with(L"Bad009.vskin: line 1: 'white' is not a colour (#RRGGBB)"));
  EXPECT_EQ(messageFor(0), L"");
}
