// Saving onto a full disk: a small tmpfs that tests/full_disk_check.sh mounts for these tests
// and maps to a Wine drive letter, whose root VANTORA_FULL_DISK names. A screenshot, an icon
// file and "Change" each fail with a message; a file of the same name is byte for byte as it
// was (the program still starts), a new name leaves no file, and no temporary file remains.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/Error.h"
#include "support/IconFilesOut.h"
#include "support/Leftovers.h"
#include "support/MainForm.h"
#include "support/ScriptedPrompts.h"

using testsupport::Contents;
using testsupport::ScriptedPrompts;

namespace {

class FullDisk : public testsupport::MainFormTest {
 protected:
  void SetUp() override {
    const char* root = std::getenv("VANTORA_FULL_DISK");
    if (!root || !*root)
      GTEST_SKIP() << "no full disk to write to: tests/full_disk_check.sh mounts a small tmpfs as a Wine drive "
                      "(as root) and runs these tests with VANTORA_FULL_DISK set to its root";
    root_ = platform::Widen(root);
  }

  // Each test starts from an empty disk.
  void TearDown() override {
    if (root_.empty()) return;
    for (const auto& name : platform::FilesMatching(root_, L"*")) {
      const std::wstring path = OnDisk(name);
      ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      ::DeleteFileW(path.c_str());
    }
  }

  std::wstring OnDisk(const std::wstring& name) const { return root_ + name; }

  // Grows a filler file until the disk takes not one byte more.
  void FillDisk() {
    const platform::UniqueFile filler(::CreateFileW(OnDisk(L"filler.bin").c_str(), GENERIC_WRITE, 0, nullptr,
                                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(filler);
    const std::vector<uint8_t> chunk(64 * 1024, 0xAA);
    for (DWORD size = static_cast<DWORD>(chunk.size()); size > 0; size /= 2) {
      DWORD written = size;
      while (written == size && ::WriteFile(filler.get(), chunk.data(), size, &written, nullptr)) {
      }
    }
    DWORD written = 0;
    ASSERT_FALSE(::WriteFile(filler.get(), chunk.data(), 1, &written, nullptr) && written == 1)
        << "the disk is not full";
  }

  // The disk holds exactly these files (the filler aside), and no temporary file.
  void ExpectOnlyFiles(std::vector<std::wstring> names) const {
    names.push_back(L"filler.bin");
    std::sort(names.begin(), names.end());
    auto found = platform::FilesMatching(root_, L"*");
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, names);
    EXPECT_TRUE(testsupport::TemporaryFilesIn(root_).empty());
  }

  // The one error message the last command gave, which names the file and the full disk as the
  // reason, not what an earlier call left behind ("Success.", "File already exists.").
  void ExpectCannotCreate(const ScriptedPrompts& prompts, const std::wstring& path) const {
    EXPECT_EQ(prompts.Texts(ScriptedPrompts::Kind::Error),
              std::vector<std::wstring>{L"Cannot create file \"" + path + L"\". " +
                                        platform::SystemMessage(ERROR_DISK_FULL)});
  }

  std::wstring root_;
};

TEST_F(FullDisk, AScreenshotAndAnIconFileFailWithAMessageAndLeaveTheOldFiles) {
  const std::wstring shot = OnDisk(L"shot.png"), icon = OnDisk(L"old.ico");
  const std::vector<uint8_t> oldShot(1000, 's'), oldIcon(700, 'i');
  platform::WriteFileBytes(shot, oldShot);
  platform::WriteFileBytes(icon, oldIcon);
  // The executable icon panel shows this program's icon, to be saved to a file.
  ScriptedPrompts browse;
  browse.fileAnswers.push_back(testsupport::CopyOfProgram(L"icon_target.exe", L"full-disk-source.exe"));
  form.browseExe.Click();
  ASSERT_TRUE(form.saveExeIcon.Enabled());
  FillDisk();

  form.Show();
  for (const std::wstring& path : {shot, OnDisk(L"new-shot.bmp")}) {
    ScriptedPrompts prompts;
    prompts.fileAnswers.push_back(path);
    form.screenshotScreen.Click();
    ExpectCannotCreate(prompts, path);
  }
  for (const std::wstring& path : {icon, OnDisk(L"new.ico")}) {
    ScriptedPrompts prompts;
    prompts.fileAnswers.push_back(path);
    form.saveExeIcon.Click();
    ExpectCannotCreate(prompts, path);
  }
  EXPECT_EQ(Contents(shot), oldShot);
  EXPECT_EQ(Contents(icon), oldIcon);
  ExpectOnlyFiles({L"shot.png", L"old.ico"});
}

TEST_F(FullDisk, ChangeNamesTheFullDiskAndTheProgramIsAsItWasAndStillStarts) {
  const std::wstring exe = OnDisk(L"target.exe");
  ASSERT_TRUE(::CopyFileW(testsupport::BesideTests(L"icon_target.exe").c_str(), exe.c_str(), FALSE));
  const auto before = Contents(exe);
  ScriptedPrompts prompts;
  prompts.fileAnswers.push_back(exe);
  form.browseExe.Click();
  prompts.fileAnswers.push_back(testsupport::SeedIcon(L"icotool-16-32-48.ico"));
  form.loadExeIcon.Click();
  ASSERT_TRUE(form.exeIconChange.Enabled());
  FillDisk();

  form.exeIconChange.Click();
  EXPECT_EQ(prompts.Texts(ScriptedPrompts::Kind::Error),
            std::vector<std::wstring>{L"The Icon Of The Program Could Not Be Changed. Cannot create file \"" + exe +
                                      L"\". " + platform::SystemMessage(ERROR_DISK_FULL)});
  EXPECT_EQ(Contents(exe), before);
  EXPECT_EQ(testsupport::ExitCodeOf(exe), 7u) << "the program no longer starts";
  ExpectOnlyFiles({L"target.exe"});
}

}  // namespace
