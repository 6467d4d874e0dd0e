#pragma once
// Named shared memory backed by the paging file, as the single-instance guard uses it.
#include <windows.h>

#include <optional>
#include <string>

#include "platform/UniqueHandle.h"
#include "platform/system/portable/InstanceRecord.h"

namespace platform {

struct SharedMemory {
  UniqueKernelHandle mapping;
  UniqueMapView view;

  // Creates the named object, or opens it when another process already created it
  // (`alreadyExisted` tells which), and maps `size` bytes read/write. Throws Win32Error with
  // the system's code when the object cannot be created or mapped.
  static SharedMemory Create(const std::wstring& name, DWORD size, bool& alreadyExisted);
  // Opens an existing object with full access and maps `size` bytes; nullopt when it is gone.
  static std::optional<SharedMemory> Open(const std::wstring& name, DWORD size);
};

// The instance record at the start of a view of at least kInstanceRecordSize bytes.
InstanceRecord ReadInstanceRecord(const SharedMemory& memory);
void WriteInstanceRecord(const SharedMemory& memory, const InstanceRecord& record);

// Window handles travel through the record as 32-bit values: handles are 32 bits wide on
// 32-bit Windows and only the low 32 bits are significant on 64-bit Windows.
inline std::uint32_t WindowToRecordValue(HWND window) {
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window));
}
inline HWND RecordValueToWindow(std::uint32_t value) {
  return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(value));
}

}  // namespace platform
