#pragma once
// Writes the first image of an icon file into an executable as its icon resource number 1.
#include <cstdint>
#include <string>

namespace icons {

// An icon file larger than this is refused unread: 32 images at the largest size allowed.
inline constexpr uint64_t kMaxIconFileBytes = uint64_t{32} * 1024 * 1024;

// What the change reports: done, or why not, in words for the user that carry the system's own
// reason where the system refused.
struct [[nodiscard]] ExeIconChange {
  std::wstring refusal;  // empty when the icon was changed
  explicit operator bool() const noexcept { return refusal.empty(); }
};

// Done only when the executable now holds the new icon number 1 in every language it had one
// (the neutral language when it had none), every icon-group entry that names icon 1 describes
// it, and the group the shell shows names it (a program whose first group names other icons,
// or that has none, gets group 1 naming only the new icon). The change is made on a copy that
// replaces the executable in one step (keeping what the file is, see FileReplacement), and the
// shell is told. Refused, with the executable byte for byte as it was and no copy left behind,
// when the icon file cannot be read, is larger than kMaxIconFileBytes or is not a sound icon
// file, when the executable cannot be read, is no program, is cut short, is in use (running, or
// held open by a program that does not share it: found before anything is written), is
// read-only, holds data after its last section (an installer payload or a signature that the
// rewrite would drop), has resources the system cannot read or a group that cannot be put
// first, or when the copy, the update or the move fails (a full disk, for one).
ExeIconChange ReplaceExeIcon(const std::wstring& iconFile, const std::wstring& exeFile);

}  // namespace icons
