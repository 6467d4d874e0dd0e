#include "platform/ResourceUpdate.h"

#include "platform/UniqueHandle.h"

namespace platform {

ResourceUpdate::ResourceUpdate(const std::wstring& file) : handle_(::BeginUpdateResourceW(file.c_str(), FALSE)) {
  if (!handle_) error_ = ::GetLastError();
}

ResourceUpdate::~ResourceUpdate() {
  if (handle_) ::EndUpdateResourceW(handle_, TRUE);
}

bool ResourceUpdate::Update(const wchar_t* type, const wchar_t* name, WORD language, std::span<const uint8_t> data) {
  if (!handle_) return false;
  if (::UpdateResourceW(handle_, type, name, language, const_cast<uint8_t*>(data.data()),
                        static_cast<DWORD>(data.size())))
    return true;
  error_ = ::GetLastError();
  return false;
}

bool ResourceUpdate::Commit() {
  if (!handle_) return false;
  const HANDLE handle = std::exchange(handle_, nullptr);
  if (::EndUpdateResourceW(handle, FALSE)) return true;
  error_ = ::GetLastError();
  return false;
}

std::vector<ResourceCopy> ReadResources(const std::wstring& file, const wchar_t* type) {
  struct Walk {
    HMODULE module;
    const wchar_t* type;
    std::vector<ResourceCopy> found;
  } walk{nullptr, type, {}};
  const UniqueModule module(::LoadLibraryExW(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  if (!module) return {};
  walk.module = module.get();
  ::EnumResourceNamesW(
      module.get(), type,
      [](HMODULE m, LPCWSTR t, LPWSTR name, LONG_PTR context) WINAPI -> BOOL {
        if (!IS_INTRESOURCE(name)) return TRUE;
        ::EnumResourceLanguagesW(
            m, t, name,
            [](HMODULE m2, LPCWSTR t2, LPCWSTR n2, WORD language, LONG_PTR context2) WINAPI -> BOOL {
              auto& w = *reinterpret_cast<Walk*>(context2);
              const HRSRC found = ::FindResourceExW(m2, t2, n2, language);
              const HGLOBAL loaded = found ? ::LoadResource(m2, found) : nullptr;
              const void* data = loaded ? ::LockResource(loaded) : nullptr;
              if (!data) return TRUE;
              const auto* bytes = static_cast<const uint8_t*>(data);
              w.found.push_back({static_cast<WORD>(reinterpret_cast<ULONG_PTR>(n2)), language,
                                 std::vector<uint8_t>(bytes, bytes + ::SizeofResource(m2, found))});
              return TRUE;
            },
            context);
        return TRUE;
      },
      reinterpret_cast<LONG_PTR>(&walk));
  return std::move(walk.found);
}

}  // namespace platform
