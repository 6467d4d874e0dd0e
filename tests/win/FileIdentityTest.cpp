// A file the program replaces stays the same file, and is never seen half written: through the
// main window's screenshots and "Change", on real files under Wine.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "platform/Error.h"
#include "support/FileUser.h"
#include "support/IconFilesOut.h"
#include "support/Leftovers.h"
#include "support/MainForm.h"
#include "support/ScriptedPrompts.h"

using testsupport::Contents;
using testsupport::FreshFolder;
using testsupport::ScriptedPrompts;
using testsupport::SeedIcon;

namespace {

class FileIdentity : public testsupport::MainFormTest {
 protected:
  void SaveFullScreenShot(const std::wstring& path) {
    ScriptedPrompts prompts;
    prompts.fileAnswers.push_back(path);
    form.Button20.Click();
    EXPECT_EQ(prompts.Texts(ScriptedPrompts::Kind::Error), std::vector<std::wstring>{});
  }
  // Chooses the program in the executable icon panel and writes the icon file's first image into it.
  void ChangeIcon(const std::wstring& program, const std::wstring& icon) {
    ScriptedPrompts prompts;
    prompts.fileAnswers = {program, icon};
    form.Button34.Click();
    form.Button36.Click();
    form.Button37.Click();
    EXPECT_EQ(prompts.Texts(ScriptedPrompts::Kind::Error), std::vector<std::wstring>{});
  }
};

// Another program reading the file over and over while it is replaced again and again reads
// only whole versions of it: the one before or one the program wrote, never a file cut short or
// half rewritten.
TEST_F(FileIdentity, AReaderMeanwhileReadsOnlyWholeVersions) {
  const std::wstring folder = FreshFolder(L"read-while-replaced");
  const std::wstring shot = folder + L"\\shot.bmp", program = folder + L"\\program.exe";
  ASSERT_TRUE(::CopyFileW(testsupport::BesideTests(L"icon_target.exe").c_str(), program.c_str(), FALSE));
  form.Show();
  SaveFullScreenShot(shot);

  const auto expectWholeVersions = [](const std::wstring& path, const std::function<void()>& replace) {
    std::set<testsupport::Version> written{testsupport::VersionOf(path)};
    testsupport::FileUser reader(L"--read", path);
    for (int i = 0; i < 6; ++i) {
      replace();
      written.insert(testsupport::VersionOf(path));
    }
    const auto seen = reader.StopReading();
    EXPECT_GT(seen.reads, 0u);
    for (const auto& version : seen.contents)
      EXPECT_TRUE(written.count(version)) << "one of " << seen.reads << " reads saw " << version.first
                                          << " bytes that were never a whole version of the file";
  };
  expectWholeVersions(shot, [&] { SaveFullScreenShot(shot); });
  int change = 0;
  expectWholeVersions(
      program, [&] { ChangeIcon(program, SeedIcon(++change % 2 ? L"magick-16-red.ico" : L"icotool-16-32-48.ico")); });
}

// A screenshot saved over a hidden system file: the file keeps both marks, another hard link of
// the old file keeps the old picture (the saved name gets the new one), and the temporary files
// earlier replacements left in the folder go once an hour old, while a fresh one and files of
// other names stay.
TEST_F(FileIdentity, ASavedFileKeepsItsMarksAndOldLeftoversGo) {
  const std::wstring folder = FreshFolder(L"identity");
  const std::wstring shot = folder + L"\\shot.png", link = folder + L"\\same-file.png";
  const std::vector<uint8_t> old(1000, 'o');
  platform::WriteFileBytes(shot, old);
  ASSERT_TRUE(::SetFileAttributesW(shot.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  ASSERT_TRUE(::CreateHardLinkW(link.c_str(), shot.c_str(), nullptr));
  for (const auto* name : {L"~vn1A2B.tmp", L"~vnC0FFEE.tmp", L"~vnotes.tmp", L"old.tmp"}) {
    const platform::UniqueFile file(::CreateFileW((folder + L"\\" + name).c_str(), GENERIC_WRITE, 0, nullptr,
                                                  CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    FILETIME now{};
    ::GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER written{{now.dwLowDateTime, now.dwHighDateTime}};
    if (name != std::wstring(L"~vnC0FFEE.tmp")) written.QuadPart -= 2ULL * 3600 * 10'000'000;  // two hours ago
    const FILETIME stamp{written.LowPart, written.HighPart};
    ASSERT_TRUE(::SetFileTime(file.get(), nullptr, nullptr, &stamp));
  }
  form.Show();
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
  ChangeIcon(platform::Widen(link), SeedIcon(L"icotool-16-32-48.ico"));
}

}  // namespace
