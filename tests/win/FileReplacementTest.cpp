// Files are replaced whole or not at all: on real files under Wine, a target that cannot be
// replaced (read-only, held open by another program, in a missing folder) stays byte for byte
// as it was and no temporary file is left beside it. The registry's all-or-none writes too.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/Error.h"
#include "platform/files/FileBytes.h"
#include "platform/files/FileReplacement.h"
#include "platform/system/Registry.h"
#include "support/IconFilesOut.h"
#include "support/ImportReplacement.h"
#include "support/Leftovers.h"
#include "support/SavedRegistry.h"

using testsupport::Contents;
using testsupport::FolderOf;
using testsupport::FreshFolder;
using testsupport::IconOut;
using testsupport::TemporaryFilesIn;

namespace {

const std::vector<uint8_t> kOld(3000, 'o');
const std::vector<uint8_t> kNew(5000, 'n');

std::string FailureOf(const std::wstring& path, const std::vector<uint8_t>& bytes) {
  try {
    platform::WriteFileBytes(path, bytes);
  } catch (const std::runtime_error& e) {
    return e.what();
  }
  return "";
}

TEST(FileReplacement, ANewFileAndAReplacedOneAreWholeAndNothingIsLeftBeside) {
  const std::wstring folder = FreshFolder(L"replace-whole");
  const std::wstring target = folder + L"\\target.bin";
  platform::WriteFileBytes(target, kOld);
  EXPECT_EQ(Contents(target), kOld);
  platform::WriteFileBytes(target, kNew);
  EXPECT_EQ(Contents(target), kNew);
  platform::WriteFileBytes(target, std::vector<uint8_t>{});  // an empty picture is still a whole file
  EXPECT_TRUE(Contents(target).empty());
  EXPECT_EQ(platform::FilesMatching(folder, L"*"), std::vector<std::wstring>{L"target.bin"});
}

TEST(FileReplacement, AReadOnlyOrLockedTargetOrAMissingFolderIsRefusedAndKept) {
  const std::wstring folder = FreshFolder(L"replace-refused");
  const std::wstring readOnly = folder + L"\\read-only.bin", locked = folder + L"\\locked.bin";
  platform::WriteFileBytes(readOnly, kOld);
  platform::WriteFileBytes(locked, kOld);
  ASSERT_TRUE(::SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));

  EXPECT_EQ(FailureOf(readOnly, kNew).rfind("Cannot create file \"", 0), 0u);
  EXPECT_EQ(Contents(readOnly), kOld);
  {
    // Another program holds the file open without sharing it at all.
    const platform::UniqueFile lock(
        ::CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(lock);
    EXPECT_EQ(FailureOf(locked, kNew).rfind("Cannot create file \"", 0), 0u);
  }
  EXPECT_EQ(Contents(locked), kOld);

  const std::wstring missing = folder + L"\\no-such-folder\\file.bin";
  const std::string message = FailureOf(missing, kNew);
  EXPECT_EQ(message.rfind("Cannot create file \"" + platform::Narrow(missing) + "\". ", 0), 0u) << message;
  EXPECT_FALSE(platform::FileExists(missing));

  EXPECT_TRUE(TemporaryFilesIn(folder).empty());
  ::SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(FileReplacement, AnAbandonedReplacementLeavesTheTargetAndRemovesItsCopy) {
  const std::wstring folder = FreshFolder(L"replace-abandoned");
  const std::wstring target = folder + L"\\target.bin";
  platform::WriteFileBytes(target, kOld);
  std::wstring temporary;
  {
    platform::FileReplacement replacement(target);
    temporary = replacement.TemporaryPath();
    EXPECT_EQ(FolderOf(temporary), folder) << "the copy must lie beside the target, on its volume";
    replacement.CopyTarget();
    EXPECT_EQ(Contents(temporary), kOld);
    replacement.Write(kNew);
    EXPECT_EQ(Contents(temporary), kNew);
    EXPECT_EQ(Contents(target), kOld);  // nothing reaches the target before the commit
  }
  EXPECT_FALSE(platform::FileExists(temporary));
  EXPECT_EQ(Contents(target), kOld);
  EXPECT_TRUE(TemporaryFilesIn(folder).empty());
}

// The system's replacement failing at its last steps, as Windows may (a scanner holding the
// freshly renamed file) and Wine never does: with the old file moved aside or not, and the move
// back refused too.
struct LastStepFailure {
  DWORD code;
  bool movedAside, moveBackRefused;
};
LastStepFailure g_failure{};
BOOL WINAPI FailingReplace(LPCWSTR replaced, LPCWSTR, LPCWSTR aside, DWORD, void*, void*) {
  if (g_failure.movedAside) ::MoveFileW(replaced, aside);
  ::SetLastError(g_failure.code);
  return FALSE;
}
BOOL WINAPI RefusingMove(LPCWSTR, LPCWSTR, DWORD) {
  ::SetLastError(ERROR_SHARING_VIOLATION);
  return FALSE;
}

TEST(FileReplacement, AFailedLastStepKeepsTheOriginalWhereTheMessageSaysAndTheNextCleaningLeavesIt) {
  const LastStepFailure failures[] = {{ERROR_UNABLE_TO_MOVE_REPLACEMENT, false, false},
                                      {ERROR_UNABLE_TO_MOVE_REPLACEMENT_2, true, false},
                                      {ERROR_UNABLE_TO_MOVE_REPLACEMENT_2, true, true},
                                      {ERROR_UNABLE_TO_MOVE_REPLACEMENT, true, true}};
  for (const LastStepFailure& failure : failures) {
    SCOPED_TRACE(testing::Message() << failure.code << (failure.moveBackRefused ? ", move back refused" : ""));
    const std::wstring folder = FreshFolder(L"replace-failed");
    const std::wstring target = folder + L"\\target.bin";
    platform::WriteFileBytes(target, kOld);
    // A user's file is older than the hour after which a leftover goes.
    FILETIME old{};
    ::GetSystemTimeAsFileTime(&old);
    old.dwHighDateTime -= 20;  // over two hours
    ::SetFileTime(platform::UniqueFile(::CreateFileW(target.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                                                     FILE_ATTRIBUTE_NORMAL, nullptr))
                      .get(),
                  nullptr, nullptr, &old);
    g_failure = failure;
    std::string message;
    {
      testsupport::ImportReplacement replace("kernel32.dll", "ReplaceFileW", &FailingReplace);
      std::optional<testsupport::ImportReplacement> refuse;
      if (failure.moveBackRefused) refuse.emplace("kernel32.dll", "MoveFileExW", &RefusingMove);
      message = FailureOf(target, kNew);
    }
    EXPECT_EQ(message.rfind("Cannot create file \"" + platform::Narrow(target) + "\". ", 0), 0u) << message;
    const std::string keptAs = "Its previous contents are kept as \"";
    const size_t named = message.find(keptAs);
    EXPECT_EQ(named != std::string::npos, failure.moveBackRefused) << message;
    const std::wstring original =
        named == std::string::npos
            ? target
            : platform::Widen(message.substr(named + keptAs.size(), message.size() - named - keptAs.size() - 2));
    platform::WriteFileBytes(folder + L"\\next.bin", kNew);  // the next save here cleans the folder
    ASSERT_TRUE(platform::FileExists(original)) << message;
    EXPECT_EQ(Contents(original), kOld);
    EXPECT_TRUE(TemporaryFilesIn(folder).empty());
  }
}

using namespace testsupport::registry;

constexpr const wchar_t* kTestKey = L"Software\\Vantora Tests\\All Or None";

// Values written with nothing resting on them.
const auto kNoUse = [] { return platform::Outcome::Success(); };

TEST(RegistryAllOrNone, AFailedWriteTakesBackTheValuesWrittenBeforeIt) {
  RemoveKey(L"Software\\Vantora Tests");
  SavedRegistryValue cleanup(kTestKey, L"First");
  WriteValue(kTestKey, L"First", L"old first");
  const DWORD number = 42;  // a value of another type is put back with its type
  ASSERT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, kTestKey, L"Second", REG_DWORD, &number, sizeof(number)),
            ERROR_SUCCESS);

  auto key = platform::RegistryKey::Open(HKEY_CURRENT_USER, kTestKey);
  ASSERT_TRUE(key);
  // The registry takes value names of at most 16383 characters: the last write fails.
  const platform::StringValue values[] = {{L"First", L"new first"},
                                          {L"Second", L"new second"},
                                          {L"Third", L"new third"},
                                          {std::wstring(20000, L'x'), L"!"}};
  EXPECT_THROW((void)key->WriteStringsFor(values, kNoUse), platform::Win32Error);

  EXPECT_EQ(ReadValue(kTestKey, L"First"), L"old first");
  DWORD type = 0, kept = 0, size = sizeof(kept);
  ASSERT_EQ(::RegGetValueW(HKEY_CURRENT_USER, kTestKey, L"Second", RRF_RT_ANY, &type, &kept, &size), ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(kept, number);
  EXPECT_FALSE(ReadValue(kTestKey, L"Third")) << "a value that did not exist is removed again";

  const platform::StringValue good[] = {{L"First", L"new first"}, {L"Third", L"new third"}};
  EXPECT_TRUE(key->WriteStringsFor(good, kNoUse));
  EXPECT_EQ(ReadValue(kTestKey, L"First"), L"new first");
  EXPECT_EQ(ReadValue(kTestKey, L"Third"), L"new third");
}

// A value the registry refuses to put back (the key was removed meanwhile, by another program
// say) is named in the error, so that "none" does not silently become "some".
TEST(RegistryAllOrNone, AValueThatCannotBePutBackIsNamedInTheError) {
  RemoveKey(L"Software\\Vantora Tests");
  WriteValue(kTestKey, L"First", L"old first");
  auto key = platform::RegistryKey::Open(HKEY_CURRENT_USER, kTestKey);
  ASSERT_TRUE(key);
  const platform::StringValue values[] = {{L"First", L"new first"}, {L"Second", L"new second"}};
  const platform::SavedValues before(key->get(), values);
  key->WriteString(L"First", L"new first");
  RemoveKey(L"Software\\Vantora Tests");
  try {
    before.PutBackAndThrow(1, "RegSetValueExW Second", ERROR_ACCESS_DENIED);
  } catch (const platform::Win32Error& error) {
    EXPECT_EQ(error.code(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_NE(std::string(error.what()).find("could not be put back as they were: \"First\""), std::string::npos)
        << error.what();
  }
}

}  // namespace
