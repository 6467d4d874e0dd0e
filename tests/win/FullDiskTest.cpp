// A save that fails part-way on a full disk names the disk as the reason, whether the file is
// new or replaces one (the system's error code is read where the write fails). Run by
// tests/full_disk_check.sh, which mounts a tiny disk and names it in VANTORA_FULL_DISK.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/Error.h"
#include "platform/FileBytes.h"
#include "platform/FileSystem.h"
#include "support/MainForm.h"
#include "support/ScriptedPrompts.h"

using testsupport::ScriptedPrompts;

namespace {

class FullDisk : public testsupport::MainFormTest {};

TEST_F(FullDisk, DISABLED_AScreenshotThatDoesNotFitNamesTheFullDisk) {
  const char* folder = std::getenv("VANTORA_FULL_DISK");
  ASSERT_NE(folder, nullptr) << "run by tests/full_disk_check.sh";
  const std::wstring fresh = platform::Widen(folder) + L"\\fresh.bmp";
  const std::wstring replaced = platform::Widen(folder) + L"\\replaced.bmp";
  platform::WriteFileBytes(replaced, std::vector<uint8_t>(16, 0x42));

  ScriptedPrompts prompts;
  for (const std::wstring& path : {fresh, replaced}) {
    prompts.fileAnswers.push_back(path);
    form.Button20.Click();  // the whole screen: megabytes, on a disk of 64 KB
    ::DeleteFileW(path.c_str());
  }
  const std::wstring diskFull = platform::SystemMessage(ERROR_DISK_FULL);
  EXPECT_EQ(prompts.Texts(ScriptedPrompts::Kind::Error),
            (std::vector<std::wstring>{L"Cannot create file \"" + fresh + L"\". " + diskFull,
                                       L"Cannot create file \"" + replaced + L"\". " + diskFull}));
}

}  // namespace
