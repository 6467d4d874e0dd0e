// Writing an icon into real executables with the system's resource updater, and the panel that
// drives it. tests/icons_check.sh reads the rewritten copies back with icoutils.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "icons/ExeIcon.h"
#include "icons/portable/IcoFile.h"
#include "icons/portable/IconGroup.h"
#include "icons/portable/PeLayout.h"
#include "platform/system/Processes.h"
#include "platform/files/ResourceUpdate.h"
#include "support/FileUser.h"
#include "support/IconFilesOut.h"
#include "support/Leftovers.h"
#include "support/MainForm.h"
#include "support/ScriptedPrompts.h"

using testsupport::Contents;
using testsupport::CopyOfProgram;
using testsupport::ExitCodeOf;
using testsupport::IconOut;
using testsupport::ScriptedPrompts;
using testsupport::SeedIcon;

namespace {

std::vector<platform::ResourceCopy> ResourcesOfType(const std::wstring& exe, const wchar_t* type) {
  return std::move(platform::ReadResources(exe, std::span(&type, 1)).lists.front());
}

std::vector<uint8_t> IconResource(const std::wstring& exe, WORD id) {
  for (auto& icon : ResourcesOfType(exe, RT_ICON))
    if (icon.id == id) return icon.bytes;
  return {};
}

icons::IconGroup GroupOf(const std::wstring& exe) {
  const auto groups = ResourcesOfType(exe, RT_GROUP_ICON);
  EXPECT_EQ(groups.size(), 1u);
  return groups.empty() ? icons::IconGroup{} : icons::ReadIconGroup(groups[0].bytes).value_or(icons::IconGroup{});
}

TEST(ExeIconFiles, ThreeImageIconWritesItsFirstImageAsIcon1AndTheGroupDescribesIt) {
  const std::wstring icoPath = SeedIcon(L"icotool-16-32-48.ico");
  const auto file = Contents(icoPath);
  const auto ico = icons::ReadIco(file);
  ASSERT_TRUE(ico);
  ASSERT_EQ(ico->images.size(), 3u);
  const auto& first = ico->images[0];
  ASSERT_EQ(first.info.width, 16u);

  const std::wstring exe = CopyOfProgram(L"icon_target.exe", L"replaced.exe");
  const std::vector<uint8_t> secondBefore = IconResource(exe, 2);
  const size_t entriesBefore = GroupOf(exe).entries.size();
  ASSERT_GE(entriesBefore, 2u);
  ASSERT_TRUE(icons::ReplaceExeIcon(icoPath, exe));

  const auto written = IconResource(exe, 1);
  ASSERT_EQ(written.size(), first.bytes.size());
  EXPECT_EQ(std::memcmp(written.data(), first.bytes.data(), written.size()), 0);
  EXPECT_EQ(IconResource(exe, 2), secondBefore);  // icon 2 is not touched
  const auto group = GroupOf(exe);
  ASSERT_EQ(group.entries.size(), entriesBefore);  // the group keeps every size, icon 1 described anew
  const auto one = std::find_if(group.entries.begin(), group.entries.end(), [](const auto& e) { return e.id == 1; });
  ASSERT_NE(one, group.entries.end());
  const auto& entry = *one;
  EXPECT_EQ(entry.id, 1);
  EXPECT_EQ(entry.width, 16);
  EXPECT_EQ(entry.height, 16);
  EXPECT_EQ(+entry.bytesInRes, first.bytes.size());
  EXPECT_EQ(+entry.bitCount, first.info.bitCount);
  EXPECT_EQ(ExitCodeOf(exe), 7u) << "the rewritten program no longer runs";
}

// Icon 1 and its group stored under US English, as most resource compilers store them: the
// image is replaced in that language (no second icon 1 under the neutral one) and the group
// describes it, so the icon the loader picks is the new one.
TEST(ExeIconFiles, IconsStoredUnderALanguageAreReplacedInItAndEveryGroupAgrees) {
  constexpr WORD kUsEnglish = 1033;
  const std::wstring icoPath = SeedIcon(L"icotool-16-32-48.ico");
  const auto file = Contents(icoPath);
  const auto first = icons::ReadIco(file)->images[0];
  const std::wstring exe = CopyOfProgram(L"icon_target_us.exe", L"us-replaced.exe");
  const auto languagesOfIcon1 = [&] {
    std::vector<WORD> languages;
    for (const auto& icon : ResourcesOfType(exe, RT_ICON))
      if (icon.id == 1) languages.push_back(icon.language);
    return languages;
  };
  ASSERT_EQ(languagesOfIcon1(), std::vector<WORD>{kUsEnglish});

  ASSERT_TRUE(icons::ReplaceExeIcon(icoPath, exe));
  EXPECT_EQ(languagesOfIcon1(), std::vector<WORD>{kUsEnglish});
  EXPECT_EQ(IconResource(exe, 1), std::vector<uint8_t>(first.bytes.begin(), first.bytes.end()));
  const auto groups = ResourcesOfType(exe, RT_GROUP_ICON);
  ASSERT_EQ(groups.size(), 1u);
  EXPECT_EQ(groups[0].language, kUsEnglish);
  const auto group = icons::ReadIconGroup(groups[0].bytes);
  ASSERT_TRUE(group);
  for (const auto& entry : group->entries) {
    if (entry.id != 1) continue;
    EXPECT_EQ(entry.width, 16);
    EXPECT_EQ(+entry.bytesInRes, first.bytes.size());
  }
  EXPECT_EQ(ExitCodeOf(exe), 7u);
}

// A program without icons gets group 1 naming the new icon, so the shell shows it
// (tests/icons_check.sh reads the group back with wrestool).
TEST(ExeIconFiles, AProgramWithoutIconsGetsAGroupNamingTheNewIcon) {
  const std::wstring exe = CopyOfProgram(L"icon_target_bare.exe", L"bare-replaced.exe");
  ASSERT_FALSE(platform::FirstFileIcons(exe).large);
  ASSERT_TRUE(icons::ReplaceExeIcon(SeedIcon(L"icotool-16-32-48.ico"), exe));
  EXPECT_TRUE(platform::FirstFileIcons(exe).large) << "the shell shows no icon";
  EXPECT_EQ(ExitCodeOf(exe), 7u);
}

TEST(ExeIconFiles, PngFirstImageIsWrittenAsItStands) {
  const std::wstring icoPath = SeedIcon(L"icotool-256-png.ico");
  const auto file = Contents(icoPath);
  const auto ico = icons::ReadIco(file);
  ASSERT_TRUE(ico);
  ASSERT_EQ(ico->images[0].info.kind, icons::ImageKind::Png);
  const std::wstring exe = CopyOfProgram(L"icon_target.exe", L"png-replaced.exe");
  ASSERT_TRUE(icons::ReplaceExeIcon(icoPath, exe));
  const auto written = IconResource(exe, 1);
  ASSERT_EQ(written.size(), ico->images[0].bytes.size());
  EXPECT_EQ(std::memcmp(written.data(), ico->images[0].bytes.data(), written.size()), 0);
  const auto group = GroupOf(exe);
  for (const auto& e : group.entries) {
    if (e.id != 1) continue;
    EXPECT_EQ(e.width, 0);  // 256 pixels
  }
}

// The executable must come out byte for byte as it went in whenever the routine says no.
void ExpectRefusedAndUnchanged(const std::wstring& icoPath, const std::wstring& exe) {
  const auto before = Contents(exe);
  EXPECT_FALSE(icons::ReplaceExeIcon(icoPath, exe));
  EXPECT_EQ(Contents(exe), before);
  EXPECT_TRUE(testsupport::TemporaryFilesIn(testsupport::FolderOf(exe)).empty()) << "a copy was left behind";
}

TEST(ExeIconTest, MalformedIconFilesLeaveTheExecutableUnchanged) {
  const std::wstring exe = CopyOfProgram(L"icon_target.exe", L"malformed-target.exe");
  const auto good = Contents(SeedIcon(L"magick-16-red.ico"));
  const auto writeVariant = [&](const wchar_t* name, auto change) {
    auto bytes = good;
    change(bytes);
    const std::wstring path = IconOut(name);
    platform::WriteFileBytes(path, bytes);
    return path;
  };
  ExpectRefusedAndUnchanged(writeVariant(L"count0.ico", [](auto& b) { b[4] = b[5] = 0; }), exe);
  ExpectRefusedAndUnchanged(writeVariant(L"offset-past-end.ico",
                                         [](auto& b) {
                                           b[18] = 0xFF;
                                           b[19] = 0x7F;
                                         }),
                            exe);
  ExpectRefusedAndUnchanged(writeVariant(L"size-past-end.ico", [](auto& b) { b[16] = 0x10; }), exe);
  ExpectRefusedAndUnchanged(writeVariant(L"truncated.ico", [](auto& b) { b.resize(10); }), exe);
  ExpectRefusedAndUnchanged(IconOut(L"no-such-file.ico"), exe);
}

TEST(ExeIconTest, IconFilesAndImagesLargerThanAnyIconNeedsAreRefused) {
  const std::wstring exe = CopyOfProgram(L"icon_target.exe", L"oversized-target.exe");
  const auto good = Contents(SeedIcon(L"magick-16-red.ico"));
  ASSERT_TRUE(icons::ReadIco(good));

  // A sound icon followed by so much more that the file passes the limit: refused unread.
  const std::wstring huge = IconOut(L"huge.ico");
  platform::WriteFileBytes(huge, good);
  {
    const platform::UniqueFile file(
        ::CreateFileW(huge.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER end{};
    end.QuadPart = static_cast<LONGLONG>(icons::kMaxIconFileBytes) + 1;
    ASSERT_TRUE(::SetFilePointerEx(file.get(), end, nullptr, FILE_BEGIN) && ::SetEndOfFile(file.get()));
  }
  ExpectRefusedAndUnchanged(huge, exe);
  ::DeleteFileW(huge.c_str());

  // A sound 16 x 16 bitmap whose entry takes in far more bytes than any icon image needs.
  auto padded = good;
  ASSERT_EQ(icons::ReadIco(good)->images.size(), 1u);
  ASSERT_EQ(icons::ReadIco(good)->images[0].entry.imageOffset, 22u);
  padded.resize(22 + 2 * size_t{icons::kMaxIconImageBytes});
  const uint32_t claimed = 2 * icons::kMaxIconImageBytes;
  std::memcpy(padded.data() + 6 + 8, &claimed, sizeof(claimed));  // the entry's byte count
  platform::WriteFileBytes(IconOut(L"padded-image.ico"), padded);
  ExpectRefusedAndUnchanged(IconOut(L"padded-image.ico"), exe);
}

TEST(ExeIconTest, ReadOnlyExecutableAndTrailingDataAreRefusedUnchanged) {
  const std::wstring icoPath = SeedIcon(L"icotool-16-32-48.ico");
  const std::wstring readOnly = CopyOfProgram(L"icon_target.exe", L"read-only-target.exe");
  ASSERT_TRUE(::SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
  ExpectRefusedAndUnchanged(icoPath, readOnly);
  ::SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);

  // An installer's payload appended to the program.
  const std::wstring payload = CopyOfProgram(L"icon_target.exe", L"payload-target.exe");
  auto bytes = Contents(payload);
  bytes.insert(bytes.end(), 4096, 0x5A);
  platform::WriteFileBytes(payload, bytes);
  ExpectRefusedAndUnchanged(icoPath, payload);

  // A program cut short, which the system's updater would rewrite as if it were whole.
  const std::wstring truncated = CopyOfProgram(L"icon_target.exe", L"truncated-target.exe");
  bytes = Contents(truncated);
  bytes.resize(bytes.size() * 3 / 4);
  platform::WriteFileBytes(truncated, bytes);
  ExpectRefusedAndUnchanged(icoPath, truncated);
  EXPECT_EQ(icons::ReplaceExeIcon(icoPath, truncated).refusal,
            L"The Icon Of The Program Could Not Be Changed. The Program File Is Cut Short.");
}

// Another program holds the file without sharing it for deletion (as the system holds a
// running program's file against writing): refused before anything is written, and said so.
TEST(ExeIconTest, AProgramInUseIsRefusedFirst) {
  const std::wstring exe = CopyOfProgram(L"icon_target.exe", L"held-target.exe");
  const testsupport::FileUser holder(L"--hold", exe);
  ExpectRefusedAndUnchanged(SeedIcon(L"icotool-16-32-48.ico"), exe);
  EXPECT_EQ(icons::ReplaceExeIcon(SeedIcon(L"icotool-16-32-48.ico"), exe).refusal,
            L"The Icon Of The Program Could Not Be Changed. The Program Is In Use (Running?). Close It And Try Again.");
}

// A program whose resource directory the system cannot find (its headers point outside the
// program) is refused as it is, not taken for one without resources.
TEST(ExeIconTest, AProgramWhoseResourcesCannotBeReadIsRefusedUnchanged) {
  const std::wstring exe = CopyOfProgram(L"icon_target.exe", L"damaged-resources.exe");
  auto bytes = Contents(exe);
  uint32_t peAt = 0;
  std::memcpy(&peAt, bytes.data() + 0x3C, 4);
  const uint32_t outside = 0x7FFF0000;  // the resource directory's address (PE32 data directory 2)
  std::memcpy(bytes.data() + peAt + 4 + sizeof(icons::PeFileHeader) + 96 + 2 * 8, &outside, 4);
  platform::WriteFileBytes(exe, bytes);
  ExpectRefusedAndUnchanged(SeedIcon(L"icotool-16-32-48.ico"), exe);
  EXPECT_EQ(
      icons::ReplaceExeIcon(SeedIcon(L"icotool-16-32-48.ico"), exe)
          .refusal.rfind(L"The Icon Of The Program Could Not Be Changed. The Program's Resources Cannot Be Read. ", 0),
      0u);
}

TEST(ExeIconTest, ProgramWithRelocationsAfterItsResourcesStillRunsAfterTheChange) {
  const std::wstring exe = CopyOfProgram(L"icon_target_relocated.exe", L"relocated-target.exe");
  ASSERT_TRUE(icons::ReplaceExeIcon(SeedIcon(L"icotool-16-32-48.ico"), exe));
  EXPECT_EQ(ExitCodeOf(exe), 7u);
  EXPECT_EQ(IconResource(exe, 1).size(),
            icons::ReadIco(Contents(SeedIcon(L"icotool-16-32-48.ico")))->images[0].bytes.size());
}

TEST(ExeIconTest, ACommitThatCannotWriteIsReportedAsAFailure) {
  const std::wstring exe = CopyOfProgram(L"icon_target.exe", L"locked-target.exe");
  const auto before = Contents(exe);
  platform::ResourceUpdate update(exe);
  ASSERT_TRUE(update.Opened());
  const uint8_t data[] = {1, 2, 3};
  ASSERT_TRUE(update.Update(RT_RCDATA, MAKEINTRESOURCEW(5), 0, data));
  {
    // Another program holds the file open without sharing it.
    const platform::UniqueFile lock(::CreateFileW(exe.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(lock) << "cannot lock the copy, error " << ::GetLastError();
    EXPECT_FALSE(update.Commit());
  }
  EXPECT_EQ(Contents(exe), before);
}

TEST(ExeIconTest, ResourceUpdateDiscardsUnlessCommitted) {
  const std::wstring exe = CopyOfProgram(L"icon_target.exe", L"discard-target.exe");
  const auto before = Contents(exe);
  {
    platform::ResourceUpdate update(exe);
    ASSERT_TRUE(update.Opened());
    const uint8_t junk[] = {1, 2, 3};
    ASSERT_TRUE(update.Update(RT_RCDATA, MAKEINTRESOURCEW(5), 0, junk));
  }
  EXPECT_EQ(Contents(exe), before);
}

class ExeIconPanelTest : public testsupport::MainFormTest {};

TEST_F(ExeIconPanelTest, ChangeWithoutAnExecutableSaysErrorAndLoadEnablesChange) {
  ScriptedPrompts prompts;
  EXPECT_FALSE(form.exeIconChange.Enabled());
  prompts.fileAnswers.push_back(SeedIcon(L"icotool-16-32-48.ico"));
  form.loadExeIcon.Click();
  EXPECT_TRUE(form.exeIconChange.Enabled());
  EXPECT_NE(form.exeNewIcon.Icon(), nullptr);
  form.exeIconChange.Click();
  EXPECT_EQ(prompts.Texts(ScriptedPrompts::Kind::Error), std::vector<std::wstring>{L"No Program Was Chosen."});
}

TEST_F(ExeIconPanelTest, NotAnIconKeepsThePanelAndSaysSo) {
  ScriptedPrompts prompts;
  const std::wstring notIcon = IconOut(L"not-an-icon.ico");
  platform::WriteFileBytes(notIcon, std::vector<uint8_t>{'B', 'M', 0, 0, 0, 0, 0, 0});
  prompts.fileAnswers.push_back(notIcon);
  form.loadExeIcon.Click();
  prompts.fileAnswers.push_back(IconOut(L"missing.ico"));
  form.loadExeIcon.Click();
  const auto errors = prompts.Texts(ScriptedPrompts::Kind::Error);
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_EQ(errors[0], L"Icon image is not valid");
  EXPECT_EQ(errors[1].rfind(L"Cannot open file \"" + IconOut(L"missing.ico") + L"\". ", 0), 0u) << errors[1];
  EXPECT_FALSE(form.exeIconChange.Enabled());
  EXPECT_TRUE(form.exeNewIcon.Empty());  // the placeholder is gone, nothing else changed
}

using ExeIconPanelFiles = ExeIconPanelTest;  // leaves old-icon.bmp for the independent readers

TEST_F(ExeIconPanelFiles, BrowseChangeAndSaveTheOldIconThroughThePanel) {
  ScriptedPrompts prompts;
  const std::wstring exe = CopyOfProgram(L"icon_target.exe", L"panel-target.exe");
  prompts.fileAnswers.push_back(exe);
  form.browseExe.Click();
  EXPECT_EQ(form.exeFile.Text(), exe);
  ASSERT_NE(form.exeOldIcon.Icon(), nullptr);
  EXPECT_TRUE(form.saveExeIcon.Enabled());

  // "Save To File" writes an icon file even under a bitmap's name.
  const std::wstring saved = IconOut(L"old-icon.bmp");
  prompts.fileAnswers.push_back(saved);
  form.saveExeIcon.Click();
  const auto savedBytes = Contents(saved);
  const auto ico = icons::ReadIco(savedBytes);
  ASSERT_TRUE(ico);
  ASSERT_EQ(ico->images.size(), 1u);
  EXPECT_EQ(ico->images[0].info.width, static_cast<uint32_t>(::GetSystemMetrics(SM_CXICON)));

  prompts.fileAnswers.push_back(SeedIcon(L"icotool-16-32-48.ico"));
  form.loadExeIcon.Click();
  form.exeIconChange.Click();
  EXPECT_TRUE(prompts.Texts(ScriptedPrompts::Kind::Information).empty());
  EXPECT_TRUE(prompts.Texts(ScriptedPrompts::Kind::Error).empty());
  EXPECT_EQ(IconResource(exe, 1).size(),
            icons::ReadIco(Contents(SeedIcon(L"icotool-16-32-48.ico")))->images[0].bytes.size());

  // A file without icons shows the placeholder and cannot be saved from.
  prompts.fileAnswers.push_back(IconOut(L"not-an-icon.ico"));
  platform::WriteFileBytes(IconOut(L"not-an-icon.ico"), std::vector<uint8_t>{'B', 'M'});
  form.browseExe.Click();
  EXPECT_EQ(form.exeOldIcon.Icon(), nullptr);
  EXPECT_NE(form.exeOldIcon.Bitmap(), nullptr);
  EXPECT_FALSE(form.saveExeIcon.Enabled());
  EXPECT_TRUE(form.loadExeIcon.Enabled());
}

}  // namespace
