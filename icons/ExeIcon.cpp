#include "icons/ExeIcon.h"

#include <exception>

#include "icons/portable/IcoFile.h"
#include "icons/portable/IconGroup.h"
#include "icons/portable/PeLayout.h"
#include "platform/FileBytes.h"
#include "platform/FileReplacement.h"
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

// The icon file, or nothing when it is larger than an icon file with the most images of the
// largest size could be. Its size is asked first, so a huge file is never read.
std::optional<Bytes> ReadIconFile(const std::wstring& iconFile) {
  uint64_t size = 0;
  platform::ReadFileBytes(iconFile, 0, &size);
  if (size > kMaxIconFileBytes) return std::nullopt;
  Bytes file = platform::ReadFileBytes(iconFile, kMaxIconFileBytes, &size);
  if (size > kMaxIconFileBytes) return std::nullopt;  // it grew in between
  return file;
}

// The languages icon 1 is stored under. Resource compilers usually store a program's resources
// under a language of their own (US English, for one); the loader picks among them, so each
// must get the new image. A program without icon 1 gets it under the neutral language.
std::vector<WORD> IconLanguages(const std::vector<platform::ResourceCopy>& icons) {
  std::vector<WORD> languages;
  for (const auto& icon : icons)
    if (icon.id == kIconNumber) languages.push_back(icon.language);
  if (languages.empty()) languages.push_back(kNeutral);
  return languages;
}

bool UpdateIcon(const std::wstring& exeFile, const std::wstring& updatedFile, const IcoImage& first) {
  // The resources are read before the update begins: the file must not be loaded while it is rewritten.
  const wchar_t* const types[] = {RT_ICON, RT_GROUP_ICON};
  const auto resources = platform::ReadResources(exeFile, types);
  const auto languages = IconLanguages(resources[0]);
  const auto& groups = resources[1];
  const GroupIconDirEntry entry = GroupEntryFor(first.info, first.entry.bytesInRes, kIconNumber);

  platform::ResourceUpdate update(updatedFile);
  if (!update.Opened()) return false;
  for (const WORD language : languages)
    if (!update.Update(RT_ICON, MAKEINTRESOURCEW(kIconNumber), language, first.bytes)) return false;
  for (const auto& group : groups) {
    size_t changed = 0;
    const auto rewritten = UpdateIconGroup(group.bytes, entry, &changed);
    if (!rewritten) return false;
    if (changed == 0) continue;
    if (!update.Update(RT_GROUP_ICON, MAKEINTRESOURCEW(group.id), group.language, *rewritten)) return false;
  }
  return update.Commit();
}

}  // namespace

bool ReplaceExeIcon(const std::wstring& iconFile, const std::wstring& exeFile) {
  try {
    const auto file = ReadIconFile(iconFile);
    if (!file) return false;
    const auto ico = ReadIco(*file);
    if (!ico) return false;
    if (!RewritableExecutable(exeFile)) return false;

    // The update is made on a copy beside the program, which replaces it only once complete:
    // a full disk or a failed update leaves the program as it was.
    platform::FileReplacement replacement(exeFile);
    replacement.CopyTarget();
    if (!UpdateIcon(exeFile, replacement.TemporaryPath(), ico->images.front())) return false;
    replacement.Flush();
    replacement.Commit();
    return true;
  } catch (const std::exception&) {
    return false;  // an unreadable icon file, or a copy or move that failed: nothing was changed
  }
}

}  // namespace icons
