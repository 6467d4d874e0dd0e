#include "icons/ExeIcon.h"

#include <exception>

#include "icons/portable/IcoFile.h"
#include "icons/portable/IconGroup.h"
#include "icons/portable/PeLayout.h"
#include "platform/FileBytes.h"
#include "platform/ResourceUpdate.h"

namespace icons {
namespace {

constexpr WORD kIconNumber = 1;
constexpr WORD kNeutral = 0;
// Headers and section table of any executable fit in this.
constexpr size_t kHeaderBytes = 64 * 1024;

bool RewritableExecutable(const std::wstring& exeFile) {
  uint64_t size = 0;
  const auto headers = platform::ReadFileBytes(exeFile, kHeaderBytes, &size);
  const auto layout = ReadPeLayout(headers);
  return layout && !layout->TrailingData(size);
}

}  // namespace

bool ReplaceExeIcon(const std::wstring& iconFile, const std::wstring& exeFile) {
  try {
    const Bytes file = platform::ReadFileBytes(iconFile);
    const auto ico = ReadIco(file);
    if (!ico) return false;
    const IcoImage& first = ico->images.front();
    if (!RewritableExecutable(exeFile)) return false;

    // The groups are read before the update begins: the file must not be loaded while it is rewritten.
    const auto groups = platform::ReadResources(exeFile, RT_GROUP_ICON);
    const GroupIconDirEntry entry = GroupEntryFor(first.info, first.entry.bytesInRes, kIconNumber);

    platform::ResourceUpdate update(exeFile);
    if (!update.Opened()) return false;
    if (!update.Update(RT_ICON, MAKEINTRESOURCEW(kIconNumber), kNeutral, first.bytes)) return false;
    for (const auto& group : groups) {
      size_t changed = 0;
      const auto rewritten = UpdateIconGroup(group.bytes, entry, &changed);
      if (!rewritten) return false;
      if (changed == 0) continue;
      if (!update.Update(RT_GROUP_ICON, MAKEINTRESOURCEW(group.id), group.language, *rewritten)) return false;
    }
    return update.Commit();
  } catch (const std::exception&) {
    return false;  // an unreadable icon file or executable: nothing was written
  }
}

}  // namespace icons
