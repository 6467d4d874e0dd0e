#include "platform/system/portable/InstanceRecord.h"

#include <algorithm>

namespace platform {
namespace {

std::uint32_t ReadLe32(std::span<const std::byte, kInstanceRecordSize> bytes, std::size_t offset) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i)
    value |= static_cast<std::uint32_t>(std::to_integer<unsigned>(bytes[offset + i])) << (8 * i);
  return value;
}

void WriteLe32(InstanceRecordBytes bytes, std::size_t offset, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i) bytes[offset + i] = static_cast<std::byte>((value >> (8 * i)) & 0xFF);
}

}  // namespace

InstanceRecord DecodeInstanceRecord(std::span<const std::byte, kInstanceRecordSize> bytes) {
  return {ReadLe32(bytes, kOwnerWindowOffset), static_cast<std::int32_t>(ReadLe32(bytes, kCountOffset))};
}

void EncodeInstanceRecord(const InstanceRecord& record, InstanceRecordBytes bytes) {
  WriteLe32(bytes, kOwnerWindowOffset, record.ownerWindow);
  WriteLe32(bytes, kCountOffset, static_cast<std::uint32_t>(record.count));
}

std::wstring InstanceRecordName(const std::wstring& executablePath) {
  std::wstring name = executablePath;
  name.erase(std::remove(name.begin(), name.end(), L'\\'), name.end());
  return name;
}

}  // namespace platform
