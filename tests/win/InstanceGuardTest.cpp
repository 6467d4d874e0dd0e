// The single-instance guard over a record of the test's own name (so a running vantora.exe is
// never disturbed), observed through the shared memory and the windows the system reports on.
#include <gtest/gtest.h>

#include <string>

#include "app/InstanceGuard.h"
#include "app/VersionGate.h"
#include "app/portable/VersionTable.h"
#include "platform/Error.h"
#include "platform/system/SharedMemory.h"
#include "support/Pump.h"
#include "support/TestWindow.h"

using testsupport::PumpFor;
using testsupport::TestWindow;

namespace {

std::wstring RecordName(const char* test) {
  return L"VantoraGuardTest" + std::to_wstring(::GetCurrentProcessId()) + platform::Widen(test);
}

// What another process would see in the record right now.
platform::InstanceRecord Observe(const std::wstring& name) {
  auto memory = platform::SharedMemory::Open(name, platform::kInstanceRecordSize);
  if (!memory) {
    ADD_FAILURE() << "the record does not exist";
    return {};
  }
  return platform::ReadInstanceRecord(*memory);
}

}  // namespace

TEST(InstanceGuard, TheFirstClaimsTheRecordAndASecondIsRefusedWithTheFirstBroughtForward) {
  const std::wstring name = RecordName("refused");
  TestWindow firstApp(L"First instance"), secondApp(L"Second instance");
  PumpFor(600);  // Wine undoes a minimize that follows the first show too closely
  ::ShowWindow(firstApp.get(), SW_MINIMIZE);
  ::SetForegroundWindow(secondApp.get());
  PumpFor(100);
  ASSERT_TRUE(::IsIconic(firstApp.get()));

  InstanceGuard first(name);
  EXPECT_FALSE(first.ActivatePreviousInstance(firstApp.get(), 1));
  EXPECT_TRUE(first.InstanceCounted());
  auto record = Observe(name);
  EXPECT_EQ(record.ownerWindow, platform::WindowToRecordValue(firstApp.get()));
  EXPECT_EQ(record.count, 1);

  InstanceGuard second(name);
  EXPECT_TRUE(second.ActivatePreviousInstance(secondApp.get(), 1));
  EXPECT_FALSE(second.InstanceCounted());
  PumpFor(100);
  EXPECT_FALSE(::IsIconic(firstApp.get()));
  EXPECT_EQ(::GetForegroundWindow(), firstApp.get());
  record = Observe(name);
  EXPECT_EQ(record.ownerWindow, platform::WindowToRecordValue(firstApp.get()));
  EXPECT_EQ(record.count, 1);
}

TEST(InstanceGuard, UpToTheMaximumEveryStartClaimsAndTheLastOneOwnsTheRecord) {
  const std::wstring name = RecordName("maximum");
  TestWindow a(L"Instance A"), b(L"Instance B");
  InstanceGuard first(name), second(name);
  EXPECT_FALSE(first.ActivatePreviousInstance(a.get(), 2));
  EXPECT_FALSE(second.ActivatePreviousInstance(b.get(), 2));
  EXPECT_TRUE(second.InstanceCounted());
  const auto record = Observe(name);
  EXPECT_EQ(record.ownerWindow, platform::WindowToRecordValue(b.get()));
  EXPECT_EQ(record.count, 2);
}

TEST(InstanceGuard, AnOrderlyEndGivesThePlaceBackButARefusedStartDoesNot) {
  const std::wstring name = RecordName("shutdown");
  TestWindow a(L"Instance A"), b(L"Instance B");
  // Another holder keeps the record alive so that its count can be read after the guards end.
  bool existed = false;
  const auto observer = platform::SharedMemory::Create(name, platform::kInstanceRecordSize, existed);
  ASSERT_FALSE(existed);
  {
    InstanceGuard first(name);
    ASSERT_FALSE(first.ActivatePreviousInstance(a.get(), 1));
    {
      InstanceGuard refused(name);
      ASSERT_TRUE(refused.ActivatePreviousInstance(b.get(), 1));
    }
    EXPECT_EQ(platform::ReadInstanceRecord(observer).count, 1);
  }
  EXPECT_EQ(platform::ReadInstanceRecord(observer).count, 0);
  // A later start claims the record again.
  InstanceGuard again(name);
  EXPECT_FALSE(again.ActivatePreviousInstance(b.get(), 1));
  EXPECT_EQ(platform::ReadInstanceRecord(observer).count, 1);
}

TEST(InstanceGuard, ARecordThatCannotBeCreatedIsReportedWithTheSystemsCodeAndText) {
  TestWindow a(L"Instance A");
  InstanceGuard guard(L"No\\Such\\Namespace\\VantoraRecord");
  try {
    guard.ActivatePreviousInstance(a.get(), 1);
    ADD_FAILURE() << "a record in an unknown namespace was created";
  } catch (const platform::Win32Error& error) {
    ASSERT_NE(error.code(), 0u);
    const std::wstring text = SystemErrorText(error.code());
    const std::wstring head = L"System Error.  Code: " + std::to_wstring(error.code()) + L".\n";
    EXPECT_EQ(text.substr(0, head.size()), head);
    EXPECT_GT(text.size(), head.size());  // the system's own text follows
    EXPECT_EQ(text.find(L"\r"), std::wstring::npos);
  }
}

TEST(VersionGate, TheSystemUnderTestIsAcceptedAsVistaOrLater) {
  // Wine and every supported Windows export GetLocaleInfoEx from kernel32.
  EXPECT_EQ(ProbeWindowsVersion(), "wvWinVista");
  EXPECT_TRUE(vantora::IsSupportedVersion(ProbeWindowsVersion()));
}
