#pragma once
// Writes the first image of an icon file into an executable as its icon resource number 1.
#include <string>

namespace icons {

// What the change reports: done, or why not, in words for the user that carry the system's own
// reason where the system refused.
struct [[nodiscard]] ExeIconChange {
  std::wstring refusal;  // empty when the icon was changed
  explicit operator bool() const noexcept { return refusal.empty(); }
};

// Done only when the executable now holds the new icon number 1 and every icon-group entry that
// names icon 1 describes it. Refused, with the executable byte for byte as it was, when the icon
// file cannot be read or is not a sound icon file, when the executable cannot be read, is no
// program, is cut short, holds data after its last section (an installer payload or a signature
// that the rewrite would drop), cannot be opened for updating, or when the update or its commit
// fails.
ExeIconChange ReplaceExeIcon(const std::wstring& iconFile, const std::wstring& exeFile);

}  // namespace icons
