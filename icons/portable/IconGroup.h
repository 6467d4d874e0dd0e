#pragma once
// The icon-group resource (RT_GROUP_ICON) of an executable: a 6-byte header and one 14-byte
// entry per icon, each naming an RT_ICON resource by id and describing it so that the system
// can pick the icon that fits. An entry that no longer describes its icon makes the system
// pick, or show, the wrong one.
#include <optional>
#include <vector>

#include "icons/portable/IcoFile.h"
#include "icons/portable/IconFormats.h"

namespace icons {

struct IconGroup {
  IconDir header;
  std::vector<GroupIconDirEntry> entries;
};

// The group's entries, or nothing when the bytes are not an icon group of the size they claim.
std::optional<IconGroup> ReadIconGroup(ByteView group);
Bytes WriteIconGroup(const IconGroup& group);

// The group entry that describes an icon image with these facts and this byte count.
GroupIconDirEntry GroupEntryFor(const IconImageInfo& info, uint32_t bytes, uint16_t id);

// The group with every entry that names icon `id` rewritten to `entry`; the number of entries
// changed in `changed`. Nothing when the group is malformed.
std::optional<Bytes> UpdateIconGroup(ByteView group, const GroupIconDirEntry& entry, size_t* changed = nullptr);

}  // namespace icons
