#pragma once
// Registry keys and string values. Keys are opened with full access unless asked otherwise.
#include <windows.h>

#include <functional>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Error.h"
#include "platform/UniqueHandle.h"

namespace platform {

// A value that exists but holds something other than a string.
class RegistryTypeError : public std::runtime_error {
 public:
  explicit RegistryTypeError(const std::wstring& valueName);
};

// One string value of a key, by name.
struct StringValue {
  std::wstring name;
  std::wstring value;
};

class RegistryKey {
 public:
  // nullopt when the key does not exist or cannot be opened with `access`.
  static std::optional<RegistryKey> Open(HKEY root, const std::wstring& path, REGSAM access = KEY_ALL_ACCESS);
  // Opens the key, creating it (and its missing parents) first; throws Win32Error on failure.
  static RegistryKey Create(HKEY root, const std::wstring& path);
  // The same without the exception: nullopt when the key can be neither opened nor created.
  static std::optional<RegistryKey> TryCreate(HKEY root, const std::wstring& path);
  static bool Exists(HKEY root, const std::wstring& path);

  bool HasValue(const std::wstring& name) const;
  // The value as a string (REG_SZ or REG_EXPAND_SZ, unexpanded); nullopt when it is missing.
  // Throws RegistryTypeError when it exists with another type, Win32Error on other failures.
  std::optional<std::wstring> ReadString(const std::wstring& name) const;
  // Writes a REG_SZ value; throws Win32Error on failure.
  void WriteString(const std::wstring& name, const std::wstring& value);
  // The value's bytes as stored, whatever its type; nullopt when it is missing. Throws
  // Win32Error on other failures.
  std::optional<std::vector<BYTE>> ReadBytes(const std::wstring& name) const;
  // Writes a REG_BINARY value; throws Win32Error on failure.
  void WriteBinary(const std::wstring& name, std::span<const BYTE> bytes);
  // Writes every value or none, then `use`, a change that rests on the new values. Each value's
  // old contents are read first; when a write fails the values already written get them back
  // (those that did not exist are removed) before the Win32Error is thrown (see SavedValues for
  // one that cannot be put back). When `use` fails the values get their old contents back the
  // same way and its outcome is returned (a value that cannot be put back is named in a
  // Win32Error with the change's code instead).
  [[nodiscard]] Outcome WriteStringsFor(std::span<const StringValue> values, const std::function<Outcome()>& use);
  // Success when the value existed and is gone now; a missing value fails with
  // ERROR_FILE_NOT_FOUND.
  [[nodiscard]] Outcome DeleteValue(const std::wstring& name);

  HKEY get() const noexcept { return key_.get(); }

 private:
  explicit RegistryKey(UniqueHkey key) noexcept : key_(std::move(key)) {}
  UniqueHkey key_;
};

// Values of a key as they were before a change, to be put back when the change fails part-way.
class SavedValues {
 public:
  // Reads the values of these names as they are now; throws Win32Error when one cannot be read.
  SavedValues(HKEY key, std::span<const StringValue> values);
  // Puts the first `count` values back as they were (removing those that did not exist), then
  // throws Win32Error(failedCall, code). Each value the registry refuses to put back is named
  // in that error's text and written to the debug output, so that "none" never silently
  // becomes "some".
  [[noreturn]] void PutBackAndThrow(size_t count, const std::string& failedCall, DWORD code) const;
  // The same for a change that failed after every write: throws only when a value could not be
  // put back.
  void PutBack(size_t count, const std::string& failedCall, DWORD code) const;

 private:
  struct Value {
    std::wstring name;
    bool existed = false;
    DWORD type = 0;
    std::vector<BYTE> data;
  };
  HKEY key_;
  std::vector<Value> values_;
};

}  // namespace platform
