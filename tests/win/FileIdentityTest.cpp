// A file the program replaces stays the same file, and is never seen half written: through the
// main window's screenshots and "Change", on real files under Wine.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "platform/Error.h"
#include "support/FileUser.h"
#include "support/Leftovers.h"
#include "support/MainForm.h"
#include "support/PatternWindow.h"
#include "support/ScriptedPrompts.h"

using testsupport::Contents;
using testsupport::ScriptedPrompts;

namespace {

class FileIdentity : public testsupport::MainFormTest {
 protected:
  void SaveFullScreenShot(const std::wstring& path) {
    ScriptedPrompts prompts;
    prompts.fileAnswers.push_back(path);
    form.Show();
    form.screenshotScreen.Click();
    EXPECT_EQ(prompts.Texts(ScriptedPrompts::Kind::Error), std::vector<std::wstring>{});
  }
  // Chooses the program in the executable icon panel and writes the icon file's first image into it.
  void ChangeIcon(const std::wstring& program, const std::wstring& icon) {
    ScriptedPrompts prompts;
    prompts.fileAnswers = {program, testsupport::SeedIcon(icon)};
    form.browseExe.Click();
    form.loadExeIcon.Click();
    form.exeIconChange.Click();
    EXPECT_EQ(prompts.Texts(ScriptedPrompts::Kind::Error), std::vector<std::wstring>{});
  }
  // Another program reading the file over and over while `replace` replaces it six times reads
  // only whole versions of it, never a file cut short or half rewritten, and the file it keeps
  // open never changes under it (each replacement must bring other contents, so that a rewrite
  // in place shows there every time).
  static void ExpectOnlyWholeVersionsRead(const std::wstring& path, const std::function<void()>& replace) {
    std::set<testsupport::Version> versions{testsupport::VersionOf(path)};
    testsupport::FileUser reader(L"--read", path);
    for (int i = 0; i < 6; ++i) {
      const auto before = testsupport::VersionOf(path);
      replace();
      EXPECT_NE(testsupport::VersionOf(path), before) << "each replacement must bring other contents";
      versions.insert(testsupport::VersionOf(path));
    }
    const auto reading = reader.StopReading();
    EXPECT_GT(reading.reads, 0u);
    EXPECT_EQ(reading.changedUnderHandle, 0u) << "the file was rewritten in place";
    for (const auto& version : reading.seen)
      EXPECT_TRUE(versions.count(version)) << "one of " << reading.reads << " reads saw " << version.first << " bytes";
  }
};

TEST_F(FileIdentity, AReaderMeanwhileReadsOnlyWholeVersions) {
  const std::wstring folder = testsupport::FreshFolder(L"read-while-replaced");
  const std::wstring shot = folder + L"\\shot.bmp", program = folder + L"\\program.exe";
  ASSERT_TRUE(::CopyFileW(testsupport::BesideTests(L"icon_target.exe").c_str(), program.c_str(), FALSE));
  SaveFullScreenShot(shot);
  int shots = 0;
  ExpectOnlyWholeVersionsRead(shot, [&] {
    const testsupport::PatternWindow mark(L"Mark", RGB(40 * ++shots, 0, 0), {0, 0, 200, 200});
    SaveFullScreenShot(shot);
  });
  int change = 0;
  ExpectOnlyWholeVersionsRead(
      program, [&] { ChangeIcon(program, ++change % 2 ? L"magick-16-red.ico" : L"icotool-16-32-48.ico"); });
}

// A screenshot saved over a hidden system file: the file keeps both marks, another hard link of
// the old file keeps the old picture (the saved name gets the new one), and the temporary files
// earlier replacements left in the folder go once an hour old, while a fresh one and files of
// other names stay.
TEST_F(FileIdentity, ASavedFileKeepsItsMarksAndOldLeftoversGo) {
  const std::wstring folder = testsupport::FreshFolder(L"identity");
  const std::wstring shot = folder + L"\\shot.png", link = folder + L"\\same-file.png";
  const std::vector<uint8_t> old(1000, 'o');
  platform::WriteFileBytes(shot, old);
  ASSERT_TRUE(::SetFileAttributesW(shot.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  ASSERT_TRUE(::CreateHardLinkW(link.c_str(), shot.c_str(), nullptr));
  FILETIME now{};
  ::GetSystemTimeAsFileTime(&now);
  const ULONGLONG twoHours = 2ULL * 3600 * 10'000'000,
                  ticks = (ULONGLONG{now.dwHighDateTime} << 32) | now.dwLowDateTime;
  // The first is named as the program names its own; the rest are not its own or too fresh.
  for (const std::wstring name : {L"~vn1A2B3C4D.tmp", L"~vnC0FFEE.tmp", L"~vnotes.tmp", L"old.tmp"}) {
    const ULONGLONG written = name == L"~vnC0FFEE.tmp" ? ticks : ticks - twoHours;
    const FILETIME stamp{static_cast<DWORD>(written), static_cast<DWORD>(written >> 32)};
    const platform::UniqueFile file(::CreateFileW((folder + L"\\" + name).c_str(), GENERIC_WRITE, 0, nullptr,
                                                  CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(::SetFileTime(file.get(), nullptr, nullptr, &stamp));
  }
  SaveFullScreenShot(shot);

  const DWORD marks = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  EXPECT_EQ(::GetFileAttributesW(shot.c_str()) & marks, marks);
  EXPECT_NE(Contents(shot), old);
  EXPECT_EQ(Contents(link), old);
  auto names = platform::FilesMatching(folder, L"*");
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names,
            (std::vector<std::wstring>{L"old.tmp", L"same-file.png", L"shot.png", L"~vnC0FFEE.tmp", L"~vnotes.tmp"}));
}

// "Change" through a symbolic link: tests/symlink_check.sh links to a copy of a program in
// another folder (a Unix link, which is what a link is under Wine; Wine's CreateSymbolicLinkW
// makes none) and afterwards checks that the link is still one and the program it names changed.
using SymbolicLink = FileIdentity;

TEST_F(SymbolicLink, ChangeThroughALinkChangesTheProgramItNames) {
  const char* link = std::getenv("VANTORA_LINKED_PROGRAM");
  if (!link || !*link) GTEST_SKIP() << "tests/symlink_check.sh makes the link and runs this test";
  ChangeIcon(platform::Widen(link), L"icotool-16-32-48.ico");
}

}  // namespace
