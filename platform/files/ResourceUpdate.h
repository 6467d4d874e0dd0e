#pragma once
// Changing the resources of an executable file: a transaction that writes only when committed.
// Anything that leaves it uncommitted (an early return, an exception) discards every change.
#include <windows.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/Error.h"

namespace platform {

class ResourceUpdate {
 public:
  // BeginUpdateResource, keeping the existing resources. Opened() is false when the file cannot
  // be opened for updating (missing, read-only, not a program file).
  explicit ResourceUpdate(const std::wstring& file);
  ResourceUpdate(const ResourceUpdate&) = delete;
  ResourceUpdate& operator=(const ResourceUpdate&) = delete;
  ~ResourceUpdate();  // discards unless committed

  bool Opened() const noexcept { return handle_ != nullptr; }
  // Why the file could not be opened, as the system said at the time; success when it was.
  const Outcome& Opening() const noexcept { return opening_; }
  // Adds or replaces one resource; a failure when the system refuses.
  [[nodiscard]] Outcome Update(const wchar_t* type, const wchar_t* name, WORD language, std::span<const uint8_t> data);
  // Writes the changes into the file; a failure when that fails. Once called, the transaction
  // is over either way.
  [[nodiscard]] Outcome Commit();

 private:
  HANDLE handle_ = nullptr;
  Outcome opening_ = Outcome::Success();
};

// One resource of a module, copied out of it.
struct ResourceCopy {
  WORD id = 0;        // the integer name; 0 for a resource named by a string
  std::wstring name;  // the string name; empty for an integer one
  WORD language = 0;
  std::vector<uint8_t> bytes;
  const wchar_t* Name() const { return name.empty() ? MAKEINTRESOURCEW(id) : name.c_str(); }
};

// The resources of several types, a list for each type in their order, each language
// separately and in the order the file keeps them (the order the system looks in). `read` fails,
// with the system's reason, when the file cannot be loaded or its resources cannot be walked:
// ERROR_RESOURCE_DATA_NOT_FOUND when the system finds no resource directory at all. The file
// is loaded as data and released before this returns, so it can be updated afterwards.
struct ResourceLists {
  Outcome read = Outcome::Success();
  std::vector<std::vector<ResourceCopy>> lists;
};
ResourceLists ReadResources(const std::wstring& file, std::span<const wchar_t* const> types);

}  // namespace platform
