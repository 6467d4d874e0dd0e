#pragma once
// The single-instance record: 8 bytes of named shared memory that every running copy of the
// program reads and writes. Little-endian on every host, so the layout never depends on the
// compiler that built a copy.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace platform {

struct InstanceRecord {
  std::uint32_t ownerWindow = 0;  // application window of the last instance that claimed it
  std::int32_t count = 0;         // instances that claimed it
};

inline constexpr std::size_t kInstanceRecordSize = 8;
inline constexpr std::size_t kOwnerWindowOffset = 0;
inline constexpr std::size_t kCountOffset = 4;
static_assert(sizeof(InstanceRecord) == kInstanceRecordSize, "the shared record is exactly 8 bytes");
static_assert(kCountOffset + sizeof(std::int32_t) == kInstanceRecordSize);

using InstanceRecordBytes = std::span<std::byte, kInstanceRecordSize>;

InstanceRecord DecodeInstanceRecord(std::span<const std::byte, kInstanceRecordSize> bytes);
void EncodeInstanceRecord(const InstanceRecord& record, InstanceRecordBytes bytes);

// The record's object name: the executable's full path with every backslash removed and
// nothing else changed (case kept), so copies at different paths get different records.
std::wstring InstanceRecordName(const std::wstring& executablePath);

}  // namespace platform
