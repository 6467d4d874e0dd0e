#include "icons/ExeIcon.h"

#include <exception>

#include "icons/portable/IcoFile.h"
#include "icons/portable/IconGroup.h"
#include "icons/portable/PeLayout.h"
#include "platform/Error.h"
#include "platform/FileBytes.h"
#include "platform/FileReplacement.h"
#include "platform/ResourceUpdate.h"

namespace icons {
namespace {

constexpr WORD kIconNumber = 1;
constexpr WORD kNeutral = 0;
// Headers and section table of any executable fit in this.
constexpr size_t kHeaderBytes = 64 * 1024;

// Why the executable cannot be rewritten as it stands; empty when it can.
std::wstring RewriteRefusal(const std::wstring& exeFile) {
  uint64_t size = 0;
  const auto headers = platform::ReadFileBytes(exeFile, kHeaderBytes, &size);
  const auto layout = ReadPeLayout(headers);
  if (!layout) return L"The File Is Not A Program.";
  // The system's updater writes a program cut short as if it were whole, or not at all.
  if (layout->Truncated(size)) return L"The Program File Is Cut Short.";
  if (layout->TrailingData(size))
    return L"The Program Carries Data After Its Last Part (An Installer Or A Signature), Which The Change Would Lose.";
  return {};
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

ExeIconChange Refused(const std::wstring& why) { return {L"The Icon Of The Program Could Not Be Changed. " + why}; }
ExeIconChange Refused(const platform::Outcome& outcome) { return Refused(outcome.Reason()); }

// Writes the new icon 1 into `updatedFile`, a copy of `exeFile`, in every language it is stored
// under, and rewrites every group that names it.
ExeIconChange UpdateIcon(const std::wstring& exeFile, const std::wstring& updatedFile, const IcoImage& first) {
  // The resources are read before the update begins: the file must not be loaded while it is rewritten.
  const wchar_t* const types[] = {RT_ICON, RT_GROUP_ICON};
  const auto resources = platform::ReadResources(exeFile, types);
  const auto languages = IconLanguages(resources[0]);
  const auto& groups = resources[1];
  const GroupIconDirEntry entry = GroupEntryFor(first.info, first.entry.bytesInRes, kIconNumber);

  platform::ResourceUpdate update(updatedFile);
  if (!update.Opened()) return Refused(update.Opening());
  for (const WORD language : languages) {
    if (const auto icon = update.Update(RT_ICON, MAKEINTRESOURCEW(kIconNumber), language, first.bytes); !icon)
      return Refused(icon);
  }
  for (const auto& group : groups) {
    size_t changed = 0;
    const auto rewritten = UpdateIconGroup(group.bytes, entry, &changed);
    if (!rewritten) return Refused(L"The Program's Icon Directory Is Damaged.");
    if (changed == 0) continue;
    if (const auto updated = update.Update(RT_GROUP_ICON, MAKEINTRESOURCEW(group.id), group.language, *rewritten);
        !updated)
      return Refused(updated);
  }
  if (const platform::Outcome committed = update.Commit(); !committed) return Refused(committed);
  return {};
}

}  // namespace

ExeIconChange ReplaceExeIcon(const std::wstring& iconFile, const std::wstring& exeFile) {
  try {
    const auto file = ReadIconFile(iconFile);
    if (!file) return Refused(L"The Icon File Is Too Large To Be An Icon.");
    const auto ico = ReadIco(*file);
    if (!ico) return Refused(L"The Icon File Is Not A Valid Icon.");
    if (const std::wstring why = RewriteRefusal(exeFile); !why.empty()) return Refused(why);

    // The update is made on a copy beside the program, which replaces it only once complete:
    // a full disk or a failed update leaves the program as it was.
    platform::FileReplacement replacement(exeFile);
    replacement.CopyTarget();
    if (ExeIconChange change = UpdateIcon(exeFile, replacement.TemporaryPath(), ico->images.front()); !change)
      return change;
    replacement.Flush();
    replacement.Commit();
    return {};
  } catch (const std::exception& error) {
    // An unreadable icon file or executable ("Cannot open file ..."), or a copy or move that
    // failed ("Cannot create file ..."): the program was not changed.
    return Refused(platform::Widen(error.what()));
  }
}

}  // namespace icons
