#include "platform/system/SystemFunctions.h"

#include <windows.h>

namespace platform {

void* SystemFunctionAddress(const wchar_t* module, const char* name, LibraryUse use) {
  HMODULE library = ::GetModuleHandleW(module);
  if (!library && use == LibraryUse::LoadIfMissing) library = ::LoadLibraryW(module);
  return library ? reinterpret_cast<void*>(::GetProcAddress(library, name)) : nullptr;
}

}  // namespace platform
