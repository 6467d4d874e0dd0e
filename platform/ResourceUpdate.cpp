#include "platform/ResourceUpdate.h"

#include <utility>

#include "platform/FileSystem.h"
#include "platform/UniqueHandle.h"

namespace platform {

// A read-only file is refused here rather than by the system: Wine run as root writes it anyway.
ResourceUpdate::ResourceUpdate(const std::wstring& file) {
  if (IsReadOnlyFile(file)) {
    opening_ = Outcome::Failure(ERROR_ACCESS_DENIED);
    return;
  }
  handle_ = ::BeginUpdateResourceW(file.c_str(), FALSE);
  if (!handle_) opening_ = Outcome::LastError();
}

ResourceUpdate::~ResourceUpdate() {
  if (handle_) ::EndUpdateResourceW(handle_, TRUE);
}

Outcome ResourceUpdate::Update(const wchar_t* type, const wchar_t* name, WORD language, std::span<const uint8_t> data) {
  if (!handle_) return Outcome::Failure(ERROR_INVALID_HANDLE);
  return Outcome::Of([&] {
    return ::UpdateResourceW(handle_, type, name, language, const_cast<uint8_t*>(data.data()),
                             static_cast<DWORD>(data.size())) != FALSE;
  });
}

Outcome ResourceUpdate::Commit() {
  if (!handle_) return Outcome::Failure(ERROR_INVALID_HANDLE);
  return Outcome::Of([&] { return ::EndUpdateResourceW(std::exchange(handle_, nullptr), FALSE) != FALSE; });
}

namespace {

BOOL CALLBACK CopyEachLanguage(HMODULE module, LPCWSTR type, LPCWSTR name, WORD language, LONG_PTR found) {
  const HRSRC resource = ::FindResourceExW(module, type, name, language);
  const HGLOBAL loaded = resource ? ::LoadResource(module, resource) : nullptr;
  const auto* bytes = static_cast<const uint8_t*>(loaded ? ::LockResource(loaded) : nullptr);
  if (bytes) {
    reinterpret_cast<std::vector<ResourceCopy>*>(found)->push_back(
        {static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name)), language,
         std::vector<uint8_t>(bytes, bytes + ::SizeofResource(module, resource))});
  }
  return TRUE;
}

BOOL CALLBACK CopyEachName(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR found) {
  if (IS_INTRESOURCE(name)) ::EnumResourceLanguagesW(module, type, name, &CopyEachLanguage, found);
  return TRUE;
}

}  // namespace

std::vector<std::vector<ResourceCopy>> ReadResources(const std::wstring& file, std::span<const wchar_t* const> types) {
  std::vector<std::vector<ResourceCopy>> found(types.size());
  const UniqueModule module(::LoadLibraryExW(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  if (!module) return found;
  for (size_t i = 0; i < types.size(); ++i)
    ::EnumResourceNamesW(module.get(), types[i], &CopyEachName, reinterpret_cast<LONG_PTR>(&found[i]));
  return found;
}

std::vector<ResourceCopy> ReadResources(const std::wstring& file, const wchar_t* type) {
  return std::move(ReadResources(file, std::span(&type, 1)).front());
}

}  // namespace platform
