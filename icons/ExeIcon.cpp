#include "icons/ExeIcon.h"

#include <exception>
#include <variant>

#include "icons/portable/IcoFile.h"
#include "icons/portable/IconGroup.h"
#include "icons/portable/PeLayout.h"
#include "platform/Error.h"
#include "platform/files/FileBytes.h"
#include "platform/files/FileReplacement.h"
#include "platform/files/FileSystem.h"
#include "platform/files/ResourceUpdate.h"

namespace icons {
namespace {

constexpr WORD kIconNumber = 1;
constexpr WORD kNeutral = 0;
constexpr const wchar_t* kDamagedGroups = L"The Program's Icon Directory Is Damaged.";
// Headers and section table of any executable fit in this.
constexpr size_t kHeaderBytes = 64 * 1024;

// Why the executable cannot be rewritten as it stands; empty when it can, with its layout.
std::wstring RewriteRefusal(const std::wstring& exeFile, PeLayout& layout) {
  uint64_t size = 0;
  const auto headers = platform::ReadFileBytes(exeFile, kHeaderBytes, &size);
  const auto read = ReadPeLayout(headers);
  if (!read) return L"The File Is Not A Program.";
  layout = *read;
  // The system's updater writes a program cut short as if it were whole, or not at all.
  if (layout.Truncated(size)) return L"The Program File Is Cut Short.";
  if (layout.TrailingData(size))
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

// A group to add, naming the new icon, so that the shell shows it.
struct AddedGroup {
  WORD language;
};

// The shell shows a program's first icon group (named ones come before numbered ones, then the
// lowest number). When that group does not name icon 1, a group naming only the new icon is put
// before it: with number 1, in the language of the program's groups or else of its version
// information, or the neutral one. Nothing to add when the first group names icon 1; the
// refusal when no group can be put before it.
std::variant<std::monostate, AddedGroup, std::wstring> ShownGroup(const std::vector<platform::ResourceCopy>& groups,
                                                                  const std::vector<platform::ResourceCopy>& versions) {
  if (groups.empty()) return AddedGroup{versions.empty() ? kNeutral : versions.front().language};
  const auto first = ReadIconGroup(groups.front().bytes);
  if (!first) return std::wstring(kDamagedGroups);
  for (const auto& entry : first->entries)
    if (entry.id == kIconNumber) return std::monostate{};
  if (!groups.front().name.empty() || groups.front().id <= kIconNumber)
    return std::wstring(L"The Icon It Shows Comes From A Group That Does Not Use Icon 1.");
  return AddedGroup{groups.front().language};
}

// Writes the new icon 1 into `updatedFile`, a copy of the program whose resources these are, in
// every language it is stored under, rewrites every group that names it, and adds `added`.
ExeIconChange UpdateIcon(const std::wstring& updatedFile, const platform::ResourceLists& resources,
                         const AddedGroup* added, const IcoImage& first) {
  const auto& groups = resources.lists[1];
  const auto languages = IconLanguages(resources.lists[0]);
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
    if (!rewritten) return Refused(kDamagedGroups);
    if (changed == 0) continue;
    if (const auto updated = update.Update(RT_GROUP_ICON, group.Name(), group.language, *rewritten); !updated)
      return Refused(updated);
  }
  if (added) {
    const Bytes group = WriteIconGroup({IconDir{0, kIconType, 1}, {entry}});
    if (const auto updated = update.Update(RT_GROUP_ICON, MAKEINTRESOURCEW(kIconNumber), added->language, group);
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
    PeLayout layout{};
    if (const std::wstring why = RewriteRefusal(exeFile, layout); !why.empty()) return Refused(why);
    // Windows refuses to replace a running program only at the very end, after the whole copy:
    // asked first, nothing is written.
    if (platform::IsHeldByAnotherProgram(exeFile))
      return Refused(L"The Program Is In Use (Running?). Close It And Try Again.");

    // Read before anything is written: the file must not be loaded while it is rewritten. A
    // program without any resources has none to read; one whose directory cannot be walked is
    // damaged.
    const wchar_t* const types[] = {RT_ICON, RT_GROUP_ICON, RT_VERSION};
    const auto resources = platform::ReadResources(exeFile, types);
    if (!resources.read && (layout.HasResources() || resources.read.code() != ERROR_RESOURCE_DATA_NOT_FOUND))
      return Refused(L"The Program's Resources Cannot Be Read. " + resources.read.Reason());
    const auto shown = ShownGroup(resources.lists[1], resources.lists[2]);
    if (const auto* refusal = std::get_if<std::wstring>(&shown)) return Refused(*refusal);

    // The update is made on a copy beside the program, which replaces it only once complete:
    // a full disk or a failed update leaves the program as it was.
    platform::FileReplacement replacement(exeFile);
    replacement.CopyTarget();
    if (ExeIconChange change =
            UpdateIcon(replacement.TemporaryPath(), resources, std::get_if<AddedGroup>(&shown), ico->images.front());
        !change)
      return change;
    replacement.Flush();
    replacement.Commit();
    // Explorer would go on showing the icon it cached for the file.
    platform::NotifyShellOfChange(exeFile);
    return {};
  } catch (const std::exception& error) {
    // An unreadable icon file or executable ("Cannot open file ..."), or a copy or move that
    // failed ("Cannot create file ..."): the program was not changed.
    return Refused(platform::Widen(error.what()));
  }
}

}  // namespace icons
