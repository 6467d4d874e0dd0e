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
// (the neutral language when it had none) and every icon-group entry that names icon 1
// describes it. The change is made on a copy that replaces the executable in one step. Refused,
// with the executable byte for byte as it was and no copy left behind, when the icon file cannot
// be read, is larger than kMaxIconFileBytes or is not a sound icon file, when the executable
// cannot be read, is no program, is cut short, is read-only or held open, holds data after its
// last section (an installer payload or a signature that the rewrite would drop), or when the
// copy, the update or the move fails (a full disk, for one).
ExeIconChange ReplaceExeIcon(const std::wstring& iconFile, const std::wstring& exeFile);

}  // namespace icons
