#pragma once
// Registry values under HKEY_CURRENT_USER, read and written with the plain Win32 calls (not the
// program's wrappers), and put back as they were when a test ends.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace testsupport::registry {

// The keys the program reads and writes as it starts.
inline constexpr const wchar_t* kProgramKey = L"Software\\Kestrelon Software\\Vantora";
inline constexpr const wchar_t* kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const wchar_t* kBrowserKey = L"Software\\Microsoft\\Internet Explorer\\Main";

inline bool KeyExists(const std::wstring& path) {
  HKEY key = nullptr;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  ::RegCloseKey(key);
  return true;
}

inline std::optional<std::wstring> ReadValue(const std::wstring& path, const std::wstring& name) {
  wchar_t buffer[2048] = {};
  DWORD bytes = sizeof(buffer);
  if (::RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, buffer, &bytes) !=
      ERROR_SUCCESS)
    return std::nullopt;
  return std::wstring(buffer);
}

inline void WriteValue(const std::wstring& path, const std::wstring& name, const std::wstring& value) {
  ASSERT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), REG_SZ, value.c_str(),
                              static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))),
            ERROR_SUCCESS);
}

// A value of any type as it is stored: its type and bytes.
struct StoredValue {
  DWORD type = REG_NONE;
  std::vector<BYTE> bytes;
  bool operator==(const StoredValue&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const StoredValue& value) {
  out << "type " << value.type << ":" << std::hex;
  for (const BYTE byte : value.bytes) out << ' ' << static_cast<int>(byte);
  return out << std::dec;
}

inline std::optional<StoredValue> ReadStored(const std::wstring& path, const std::wstring& name) {
  StoredValue stored;
  stored.bytes.resize(4096);
  DWORD size = static_cast<DWORD>(stored.bytes.size());
  if (::RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &stored.type,
                     stored.bytes.data(), &size) != ERROR_SUCCESS)
    return std::nullopt;
  stored.bytes.resize(size);
  return stored;
}

inline void WriteStored(const std::wstring& path, const std::wstring& name, const StoredValue& value) {
  ASSERT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), value.type, value.bytes.data(),
                              static_cast<DWORD>(value.bytes.size())),
            ERROR_SUCCESS);
}

inline void DeleteValue(const std::wstring& path, const std::wstring& name) {
  ::RegDeleteKeyValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str());
}

// Puts one registry value back as it was: the value (of whatever type), and any keys the test or the program
// created on the way to it.
class SavedRegistryValue {
 public:
  SavedRegistryValue(std::wstring path, std::wstring name)
      : path_(std::move(path)), name_(std::move(name)), value_(ReadStored(path_, name_)) {
    // The outermost missing key is the one to remove afterwards.
    for (std::wstring key = path_; !key.empty() && !KeyExists(key);) {
      missingRoot_ = key;
      const size_t slash = key.find_last_of(L'\\');
      key = slash == std::wstring::npos ? L"" : key.substr(0, slash);
    }
  }
  ~SavedRegistryValue() {
    if (!missingRoot_.empty()) {
      ::RegDeleteTreeW(HKEY_CURRENT_USER, missingRoot_.c_str());
      ::RegDeleteKeyW(HKEY_CURRENT_USER, missingRoot_.c_str());
    } else if (value_) {
      WriteStored(path_, name_, *value_);
    } else {
      DeleteValue(path_, name_);
    }
  }
  SavedRegistryValue(const SavedRegistryValue&) = delete;
  SavedRegistryValue& operator=(const SavedRegistryValue&) = delete;

 private:
  std::wstring path_, name_;
  std::optional<StoredValue> value_;
  std::wstring missingRoot_;
};

// Removes a key (and what is below it) for the test; SavedRegistryValue restores it.
inline void RemoveKey(const std::wstring& path) {
  ::RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str());
  ::RegDeleteKeyW(HKEY_CURRENT_USER, path.c_str());
  ASSERT_FALSE(KeyExists(path));
}

}  // namespace testsupport::registry
