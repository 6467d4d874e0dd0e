#include "platform/system/Registry.h"

#include <vector>

#include "platform/Error.h"

namespace platform {

RegistryTypeError::RegistryTypeError(const std::wstring& valueName)
    : std::runtime_error("Invalid data type for '" + Narrow(valueName) + "'") {}

std::optional<RegistryKey> RegistryKey::Open(HKEY root, const std::wstring& path, REGSAM access) {
  HKEY key = nullptr;
  if (::RegOpenKeyExW(root, path.c_str(), 0, access, &key) != ERROR_SUCCESS) return std::nullopt;
  return RegistryKey(UniqueHkey(key));
}

namespace {
LSTATUS CreateKey(HKEY root, const std::wstring& path, HKEY& key) {
  return ::RegCreateKeyExW(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                           nullptr);
}
}  // namespace

RegistryKey RegistryKey::Create(HKEY root, const std::wstring& path) {
  HKEY key = nullptr;
  const LSTATUS status = CreateKey(root, path, key);
  if (status != ERROR_SUCCESS) throw Win32Error("RegCreateKeyExW " + Narrow(path), static_cast<DWORD>(status));
  return RegistryKey(UniqueHkey(key));
}

std::optional<RegistryKey> RegistryKey::TryCreate(HKEY root, const std::wstring& path) {
  HKEY key = nullptr;
  if (CreateKey(root, path, key) != ERROR_SUCCESS) return std::nullopt;
  return RegistryKey(UniqueHkey(key));
}

bool RegistryKey::Exists(HKEY root, const std::wstring& path) { return Open(root, path, KEY_QUERY_VALUE).has_value(); }

bool RegistryKey::HasValue(const std::wstring& name) const {
  return ::RegQueryValueExW(key_.get(), name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

std::optional<std::wstring> RegistryKey::ReadString(const std::wstring& name) const {
  DWORD type = 0;
  DWORD bytes = 0;
  LSTATUS status = ::RegQueryValueExW(key_.get(), name.c_str(), nullptr, &type, nullptr, &bytes);
  // The value may grow between asking for its size and reading it: ask again until it fits.
  for (;;) {
    if (status == ERROR_FILE_NOT_FOUND) return std::nullopt;
    if (status != ERROR_SUCCESS && status != ERROR_MORE_DATA)
      throw Win32Error("RegQueryValueExW " + Narrow(name), static_cast<DWORD>(status));
    if (type != REG_SZ && type != REG_EXPAND_SZ) throw RegistryTypeError(name);
    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    const size_t capacity = text.size() * sizeof(wchar_t);
    DWORD size = static_cast<DWORD>(capacity);
    status = ::RegQueryValueExW(key_.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size);
    if (status == ERROR_SUCCESS) {
      if (type != REG_SZ && type != REG_EXPAND_SZ) throw RegistryTypeError(name);
      // Stored strings need not carry their terminator; cut at the first NUL either way.
      text.resize(size / sizeof(wchar_t));
      const size_t nul = text.find(L'\0');
      if (nul != std::wstring::npos) text.resize(nul);
      return text;
    }
    bytes = size;
  }
}

void RegistryKey::WriteString(const std::wstring& name, const std::wstring& value) {
  const size_t bytes = (value.size() + 1) * sizeof(wchar_t);  // with the terminator
  const LSTATUS status = ::RegSetValueExW(key_.get(), name.c_str(), 0, REG_SZ,
                                          reinterpret_cast<const BYTE*>(value.c_str()), static_cast<DWORD>(bytes));
  if (status != ERROR_SUCCESS) throw Win32Error("RegSetValueExW " + Narrow(name), static_cast<DWORD>(status));
}

namespace {

// A value's type and bytes as stored; nullopt when it is missing. Throws Win32Error on other
// failures.
std::optional<std::vector<BYTE>> ReadStored(HKEY key, const std::wstring& name, DWORD& type) {
  std::vector<BYTE> data;
  DWORD size = 0;
  LSTATUS status = ::RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size);
  // The value may grow between asking for its size and reading it: ask again until it fits.
  while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
    data.resize(size);
    status = ::RegQueryValueExW(key, name.c_str(), nullptr, &type, data.data(), &size);
    if (status == ERROR_SUCCESS) {
      data.resize(size);
      return data;
    }
  }
  if (status != ERROR_FILE_NOT_FOUND) throw Win32Error("RegQueryValueExW " + Narrow(name), static_cast<DWORD>(status));
  return std::nullopt;
}

}  // namespace

std::optional<std::vector<BYTE>> RegistryKey::ReadBytes(const std::wstring& name) const {
  DWORD type = 0;
  return ReadStored(key_.get(), name, type);
}

void RegistryKey::WriteBinary(const std::wstring& name, std::span<const BYTE> bytes) {
  const LSTATUS status =
      ::RegSetValueExW(key_.get(), name.c_str(), 0, REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size()));
  if (status != ERROR_SUCCESS) throw Win32Error("RegSetValueExW " + Narrow(name), static_cast<DWORD>(status));
}

SavedValues::SavedValues(HKEY key, std::span<const StringValue> values) : key_(key) {
  for (const auto& wanted : values) {
    Value& value = values_.emplace_back(Value{wanted.name});
    if (auto data = ReadStored(key, value.name, value.type)) {
      value.data = std::move(*data);
      value.existed = true;
    }
  }
}

void SavedValues::PutBack(size_t count, const std::string& failedCall, DWORD code) const {
  std::wstring lost;
  for (size_t i = count; i-- > 0;) {
    const Value& value = values_[i];
    LSTATUS status = value.existed ? ::RegSetValueExW(key_, value.name.c_str(), 0, value.type, value.data.data(),
                                                      static_cast<DWORD>(value.data.size()))
                                   : ::RegDeleteValueW(key_, value.name.c_str());
    if (status == ERROR_SUCCESS || (!value.existed && status == ERROR_FILE_NOT_FOUND)) continue;
    LogFailure(L"Putting back the registry value \"" + value.name + L"\"", static_cast<DWORD>(status));
    lost += (lost.empty() ? L"" : L", ") + (L"\"" + value.name + L"\"");
  }
  if (!lost.empty())
    throw Win32Error(failedCall + Narrow(L" (and these values could not be put back as they were: " + lost + L")"),
                     code);
}

void SavedValues::PutBackAndThrow(size_t count, const std::string& failedCall, DWORD code) const {
  PutBack(count, failedCall, code);
  throw Win32Error(failedCall, code);
}

Outcome RegistryKey::WriteStringsFor(std::span<const StringValue> values, const std::function<Outcome()>& use) {
  const SavedValues before(key_.get(), values);
  for (size_t i = 0; i < values.size(); ++i) {
    try {
      WriteString(values[i].name, values[i].value);
    } catch (const Win32Error& failure) {
      before.PutBackAndThrow(i, "RegSetValueExW " + Narrow(values[i].name), failure.code());
    }
  }
  const Outcome used = use();
  if (!used) before.PutBack(values.size(), "A change resting on registry values failed", used.code());
  return used;
}

Outcome RegistryKey::DeleteValue(const std::wstring& name) {
  const LSTATUS status = ::RegDeleteValueW(key_.get(), name.c_str());
  return status == ERROR_SUCCESS ? Outcome::Success() : Outcome::Failure(static_cast<DWORD>(status));
}

}  // namespace platform
