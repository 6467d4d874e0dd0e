#include "icons/ExeIcon.h"

#include <exception>

#include "icons/portable/IcoFile.h"
#include "icons/portable/IconGroup.h"
#include "icons/portable/PeLayout.h"
#include "platform/Error.h"
#include "platform/FileBytes.h"
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

ExeIconChange Refused(const std::wstring& why) { return {L"The Icon Of The Program Could Not Be Changed. " + why}; }
ExeIconChange Refused(const platform::Outcome& outcome) { return Refused(outcome.Reason()); }

}  // namespace

ExeIconChange ReplaceExeIcon(const std::wstring& iconFile, const std::wstring& exeFile) {
  try {
    const Bytes file = platform::ReadFileBytes(iconFile);
    const auto ico = ReadIco(file);
    if (!ico) return Refused(L"The Icon File Is Not A Valid Icon.");
    const IcoImage& first = ico->images.front();
    if (const std::wstring why = RewriteRefusal(exeFile); !why.empty()) return Refused(why);

    // The groups are read before the update begins: the file must not be loaded while it is rewritten.
    const auto groups = platform::ReadResources(exeFile, RT_GROUP_ICON);
    const GroupIconDirEntry entry = GroupEntryFor(first.info, first.entry.bytesInRes, kIconNumber);

    platform::ResourceUpdate update(exeFile);
    if (!update.Opened()) return Refused(update.Opening());
    if (const auto icon = update.Update(RT_ICON, MAKEINTRESOURCEW(kIconNumber), kNeutral, first.bytes); !icon)
      return Refused(icon);
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
  } catch (const std::exception& error) {
    // An unreadable icon file or executable ("Cannot open file ..."): nothing was written.
    return Refused(platform::Widen(error.what()));
  }
}

}  // namespace icons
