#pragma once
// Replacing a file whole or not at all: the new contents go to a temporary file in the target's
// folder, which takes the target's place in one step once it is complete. Until then the target
// is untouched, and whatever goes wrong the temporary file is removed.
//
// An existing file is replaced with the system's ReplaceFileW, so the file keeps who it is: its
// permissions, owner, attributes, streams and creation time stay (Windows keeps what its file
// system has; the hidden, system and archive marks are carried over here as well). A path that
// is a symbolic link replaces the file the link names, and the link stays a link. Other hard
// links of a replaced file keep naming the old contents.
#include <cstdint>
#include <span>
#include <string>

namespace platform {

class FileReplacement {
 public:
  // Creates an empty temporary file beside the file `target` names, one made just now, never an
  // existing one. Temporary files that earlier replacements left in that folder (after a crash,
  // say) are removed first once they are an hour old. Throws "Cannot create file "<target>".
  // <reason>" when the folder does not exist or takes no new file.
  explicit FileReplacement(std::wstring target);
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;
  ~FileReplacement();  // removes the temporary file unless committed

  const std::wstring& Target() const noexcept { return target_; }
  // Where the new contents are put together before Commit.
  const std::wstring& TemporaryPath() const noexcept { return temporary_; }

  // The temporary file becomes these bytes, flushed to the disk. Throws as above on failure
  // (a full disk, for one).
  void Write(std::span<const uint8_t> bytes);
  // The temporary file becomes a copy of the target, to be changed where it lies.
  void CopyTarget();
  // Flushes the temporary file's contents to the disk (after changing it through its path).
  void Flush();
  // Puts the temporary file in the target's place. Throws as above, the target untouched, when
  // the target is read-only or held open by a program that does not share it, or the move fails;
  // should the system refuse even to put the old file back under its name, the message names
  // the file it is kept in, which no replacement's cleaning removes.
  void Commit();

 private:
  void ReplaceExisting(unsigned long attributes);

  std::wstring target_;    // as the caller named it, for messages
  std::wstring replaced_;  // the file itself, past any symbolic link
  std::wstring temporary_;
  bool committed_ = false;
};

}  // namespace platform
