#include "app/InstanceGuard.h"

#include "platform/Error.h"
#include "platform/files/ModulePath.h"
#include "platform/windows/WindowQueries.h"
#include "platform/system/portable/InstanceRecord.h"

InstanceGuard::InstanceGuard(std::wstring recordName) : name_(std::move(recordName)) {}

InstanceGuard::~InstanceGuard() {
  if (!counted_ || !record_) return;
  platform::InstanceRecord record = platform::ReadInstanceRecord(*record_);
  --record.count;
  platform::WriteInstanceRecord(*record_, record);
}

bool InstanceGuard::ActivatePreviousInstance(HWND applicationWindow, int maximumInstances) {
  bool alreadyExisted = false;
  record_ = platform::SharedMemory::Create(name_, platform::kInstanceRecordSize, alreadyExisted);
  platform::InstanceRecord record = platform::ReadInstanceRecord(*record_);
  if (!alreadyExisted) record.count = 0;  // a fresh record: nobody has claimed it yet
  if (maximumInstances > record.count) {
    record.ownerWindow = platform::WindowToRecordValue(applicationWindow);
    ++record.count;
    platform::WriteInstanceRecord(*record_, record);
    return false;
  }
  // Refused: this process never claimed a place, so it must not give one back either.
  counted_ = false;
  const HWND owner = platform::RecordValueToWindow(record.ownerWindow);
  // The other copy may have stopped answering; it must not take this one down with it.
  if (::IsIconic(owner))
    platform::LogIfFailed(L"Restoring the running copy", platform::ShowWindowState(owner, SW_RESTORE));
  platform::LogIfFailed(L"Bringing the running copy forward", platform::BringToForeground(owner));
  return true;
}

HWND InstanceGuard::RunningInstance(const std::wstring& recordName) {
  const auto memory = platform::SharedMemory::Open(recordName, platform::kInstanceRecordSize);
  if (!memory) return nullptr;
  const platform::InstanceRecord record = platform::ReadInstanceRecord(*memory);
  const HWND owner = platform::RecordValueToWindow(record.ownerWindow);
  return record.count > 0 && ::IsWindow(owner) ? owner : nullptr;
}

std::wstring ProgramRecordName() { return platform::InstanceRecordName(platform::ExecutablePath()); }

std::wstring SystemErrorText(DWORD code) {
  return L"System Error.  Code: " + std::to_wstring(code) + L".\n" + platform::SystemMessage(code);
}
