#include <windows.h>

#include <gtest/gtest.h>

#include "platform/Error.h"
#include "platform/system/SharedMemory.h"

using namespace platform;

namespace {
std::wstring UniqueName(const wchar_t* what) {
  return std::wstring(L"VantoraTest") + what + std::to_wstring(GetCurrentProcessId()) + L"-" +
         std::to_wstring(GetTickCount());
}
}  // namespace

TEST(SharedMemory, SecondCreateReportsExistingAndSeesTheFirstRecord) {
  const std::wstring name = UniqueName(L"Record");
  bool existed = true;
  SharedMemory first = SharedMemory::Create(name, kInstanceRecordSize, existed);
  EXPECT_FALSE(existed);
  EXPECT_EQ(ReadInstanceRecord(first).count, 0);  // page-file memory starts zeroed
  HWND owner = GetDesktopWindow();
  WriteInstanceRecord(first, {WindowToRecordValue(owner), 1});

  SharedMemory second = SharedMemory::Create(name, kInstanceRecordSize, existed);
  EXPECT_TRUE(existed);
  const InstanceRecord seen = ReadInstanceRecord(second);
  EXPECT_EQ(RecordValueToWindow(seen.ownerWindow), owner);
  EXPECT_EQ(seen.count, 1);

  // The raw bytes are the little-endian layout, whatever wrote them.
  const auto* bytes = static_cast<const unsigned char*>(second.view.get());
  EXPECT_EQ(bytes[4], 1);
  EXPECT_EQ(bytes[5] | bytes[6] | bytes[7], 0);

  auto opened = SharedMemory::Open(name, kInstanceRecordSize);
  ASSERT_TRUE(opened);
  WriteInstanceRecord(*opened, {seen.ownerWindow, 2});
  EXPECT_EQ(ReadInstanceRecord(first).count, 2);
}

TEST(SharedMemory, TheRecordEndsWithItsLastHolder) {
  const std::wstring name = UniqueName(L"Gone");
  EXPECT_FALSE(SharedMemory::Open(name, kInstanceRecordSize));
  {
    bool existed = false;
    SharedMemory memory = SharedMemory::Create(name, kInstanceRecordSize, existed);
    EXPECT_TRUE(SharedMemory::Open(name, kInstanceRecordSize));
  }
  EXPECT_FALSE(SharedMemory::Open(name, kInstanceRecordSize));
}

TEST(SharedMemory, AnInvalidNameThrowsTheSystemCode) {
  bool existed = false;
  try {
    SharedMemory::Create(L"No\\Such\\Namespace\\Record", kInstanceRecordSize, existed);
    ADD_FAILURE() << "a name with an unknown namespace was accepted";
  } catch (const Win32Error& e) {
    EXPECT_NE(e.code(), 0u);
    EXPECT_NE(e.code(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
  }
}
