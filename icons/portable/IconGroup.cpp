#include "icons/portable/IconGroup.h"

namespace icons {

std::optional<IconGroup> ReadIconGroup(ByteView group) {
  const auto header = ReadAt<IconDir>(group, 0);
  if (!header || !IsIconDir(*header)) return std::nullopt;
  IconGroup result{*header, {}};
  for (size_t i = 0; i < header->count; ++i) {
    const auto entry = ReadAt<GroupIconDirEntry>(group, sizeof(IconDir) + i * sizeof(GroupIconDirEntry));
    if (!entry) return std::nullopt;
    result.entries.push_back(*entry);
  }
  return result;
}

Bytes WriteIconGroup(const IconGroup& group) {
  Bytes out;
  IconDir header = group.header;
  header.count = static_cast<uint16_t>(group.entries.size());
  Append(out, header);
  for (const auto& entry : group.entries) Append(out, entry);
  return out;
}

GroupIconDirEntry GroupEntryFor(const IconImageInfo& info, uint32_t bytes, uint16_t id) {
  GroupIconDirEntry entry{};
  entry.width = static_cast<uint8_t>(info.width >= 256 ? 0 : info.width);
  entry.height = static_cast<uint8_t>(info.height >= 256 ? 0 : info.height);
  entry.colourCount = static_cast<uint8_t>(info.colourCount < 256 ? info.colourCount : 0);
  entry.planes = info.planes;
  entry.bitCount = info.bitCount;
  entry.bytesInRes = bytes;
  entry.id = id;
  return entry;
}

std::optional<Bytes> UpdateIconGroup(ByteView group, const GroupIconDirEntry& entry, size_t* changed) {
  auto parsed = ReadIconGroup(group);
  if (!parsed) return std::nullopt;
  size_t count = 0;
  for (auto& existing : parsed->entries) {
    if (existing.id != entry.id) continue;
    existing = entry;
    ++count;
  }
  if (changed) *changed = count;
  Bytes out = WriteIconGroup(*parsed);
  // Bytes after the last entry are not ours to drop.
  const size_t used = sizeof(IconDir) + parsed->entries.size() * sizeof(GroupIconDirEntry);
  out.insert(out.end(), group.begin() + static_cast<std::ptrdiff_t>(used), group.end());
  return out;
}

}  // namespace icons
