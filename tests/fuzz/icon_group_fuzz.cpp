// Icon-group resources as found in executables: the updater must refuse or rewrite any bytes,
// and a rewrite keeps the group's size and every entry that names another icon.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "icons/portable/IconGroup.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const icons::ByteView group(data, size);
  const icons::GroupIconDirEntry entry{16, 16, 16, 0, 1, 4, 296, 1};
  size_t changed = 0;
  const auto updated = icons::UpdateIconGroup(group, entry, &changed);
  const auto before = icons::ReadIconGroup(group);
  if (updated.has_value() != before.has_value()) std::abort();
  if (!updated) return 0;
  if (updated->size() != size) std::abort();
  const auto after = icons::ReadIconGroup(*updated);
  if (!after || after->entries.size() != before->entries.size()) std::abort();
  size_t rewritten = 0;
  for (size_t i = 0; i < after->entries.size(); ++i) {
    const auto& was = before->entries[i];
    const auto& now = after->entries[i];
    if (was.id == entry.id) {
      if (now.width != entry.width || now.bytesInRes != entry.bytesInRes || now.bitCount != entry.bitCount)
        std::abort();
      ++rewritten;
    } else if (now.width != was.width || now.bytesInRes != was.bytesInRes || now.id != was.id) {
      std::abort();
    }
  }
  if (rewritten != changed) std::abort();
  return 0;
}
