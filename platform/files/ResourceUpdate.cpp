#include "platform/files/ResourceUpdate.h"

#include <utility>

#include "platform/CallbackExceptions.h"
#include "platform/files/FileSystem.h"
#include "platform/UniqueHandle.h"

namespace platform {

// A read-only file is refused here rather than by the system: Wine run as root writes it anyway.
ResourceUpdate::ResourceUpdate(const std::wstring& file) {
  if (IsReadOnlyFile(file)) {
    opening_ = Outcome::Failure(ERROR_ACCESS_DENIED);
    return;
  }
  handle_ = ::BeginUpdateResourceW(ReachablePath(file).c_str(), FALSE);
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

// What the enumeration callbacks fill: the copies of one type, the first failure met, and an
// exception thrown while copying.
struct Copying {
  std::vector<ResourceCopy>* found;
  Outcome failure = Outcome::Success();
  CallbackExceptions thrown;
};

BOOL CALLBACK CopyEachLanguage(HMODULE module, LPCWSTR type, LPCWSTR name, WORD language, LONG_PTR context) {
  auto& copying = *reinterpret_cast<Copying*>(context);
  const HRSRC resource = ::FindResourceExW(module, type, name, language);
  const HGLOBAL loaded = resource ? ::LoadResource(module, resource) : nullptr;
  const auto* bytes = static_cast<const uint8_t*>(loaded ? ::LockResource(loaded) : nullptr);
  if (!bytes) {
    copying.failure = Outcome::LastError();
    return FALSE;
  }
  return copying.thrown.Guard(FALSE, [&] {
    ResourceCopy& copy = copying.found->emplace_back();
    if (IS_INTRESOURCE(name))
      copy.id = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name));
    else
      copy.name = name;
    copy.language = language;
    copy.bytes.assign(bytes, bytes + ::SizeofResource(module, resource));
    return TRUE;
  });
}

BOOL CALLBACK CopyEachName(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR context) {
  auto& copying = *reinterpret_cast<Copying*>(context);
  if (!::EnumResourceLanguagesW(module, type, name, &CopyEachLanguage, context) && copying.failure)
    copying.failure = Outcome::LastError();
  return copying.failure && !copying.thrown.Caught() ? TRUE : FALSE;
}

}  // namespace

ResourceLists ReadResources(const std::wstring& file, std::span<const wchar_t* const> types) {
  ResourceLists result{Outcome::Success(), std::vector<std::vector<ResourceCopy>>(types.size())};
  const UniqueModule module(::LoadLibraryExW(ReachablePath(file).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  if (!module) {
    result.read = Outcome::LastError();
    return result;
  }
  for (size_t i = 0; i < types.size() && result.read; ++i) {
    Copying copying{&result.lists[i]};
    const BOOL listed =
        ::EnumResourceNamesW(module.get(), types[i], &CopyEachName, reinterpret_cast<LONG_PTR>(&copying));
    copying.thrown.RethrowIfCaught();
    if (!listed) {
      const DWORD code = ::GetLastError();
      if (!copying.failure)  // a resource of the type could not be copied
        result.read = copying.failure;
      else if (code != ERROR_RESOURCE_TYPE_NOT_FOUND)  // a type the program has none of is no failure
        result.read = Outcome::Failure(code);
    }
  }
  return result;
}

}  // namespace platform
