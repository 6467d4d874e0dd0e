#include "platform/system/SharedMemory.h"

#include "platform/Error.h"

namespace platform {
namespace {

UniqueMapView MapAll(HANDLE mapping, DWORD size) {
  return UniqueMapView(::MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, size));
}

std::span<std::byte, kInstanceRecordSize> RecordBytes(const SharedMemory& memory) {
  return std::span<std::byte, kInstanceRecordSize>(static_cast<std::byte*>(memory.view.get()), kInstanceRecordSize);
}

}  // namespace

SharedMemory SharedMemory::Create(const std::wstring& name, DWORD size, bool& alreadyExisted) {
  SharedMemory memory;
  memory.mapping.reset(::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, size, name.c_str()));
  const DWORD error = ::GetLastError();
  if (!memory.mapping) throw Win32Error("CreateFileMappingW", error);
  alreadyExisted = error == ERROR_ALREADY_EXISTS;
  memory.view = MapAll(memory.mapping.get(), size);
  if (!memory.view) ThrowLastError("MapViewOfFile");
  return memory;
}

std::optional<SharedMemory> SharedMemory::Open(const std::wstring& name, DWORD size) {
  SharedMemory memory;
  memory.mapping.reset(::OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, name.c_str()));
  if (!memory.mapping) return std::nullopt;
  memory.view = MapAll(memory.mapping.get(), size);
  if (!memory.view) return std::nullopt;
  return memory;
}

InstanceRecord ReadInstanceRecord(const SharedMemory& memory) { return DecodeInstanceRecord(RecordBytes(memory)); }

void WriteInstanceRecord(const SharedMemory& memory, const InstanceRecord& record) {
  EncodeInstanceRecord(record, RecordBytes(memory));
}

}  // namespace platform
