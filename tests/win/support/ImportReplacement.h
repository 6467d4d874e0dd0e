#pragma once
// Replaces, for its lifetime, this test program's import of one system function: for a refusal
// Wine never gives (it shows any wallpaper it is handed). The program's code is linked into the
// test program, so its calls go through this import; everything else stays real.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <utility>

namespace testsupport {

class ImportReplacement {
 public:
  template <class Function>
  ImportReplacement(const char* module, const char* function, Function* replacement) {
    auto* base = reinterpret_cast<BYTE*>(::GetModuleHandleW(nullptr));
    const auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    auto* library = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(
        base + nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress);
    for (; library->Name && !slot_; ++library) {
      if (_stricmp(reinterpret_cast<char*>(base + library->Name), module) != 0) continue;
      auto* name = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->OriginalFirstThunk);
      for (auto* address = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->FirstThunk); name->u1.AddressOfData;
           ++name, ++address) {
        if (!IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal) &&
            std::strcmp(reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + name->u1.AddressOfData)->Name, function) == 0)
          slot_ = reinterpret_cast<const void**>(&address->u1.Function);
      }
    }
    if (slot_)
      original_ = Swap(reinterpret_cast<const void*>(replacement));
    else
      ADD_FAILURE() << "the test program does not import " << function;
  }
  ~ImportReplacement() {
    if (slot_) Swap(original_);
  }
  ImportReplacement(const ImportReplacement&) = delete;
  ImportReplacement& operator=(const ImportReplacement&) = delete;

 private:
  const void* Swap(const void* address) {
    DWORD protection = 0;
    ::VirtualProtect(slot_, sizeof(void*), PAGE_READWRITE, &protection);
    const void* previous = std::exchange(*slot_, address);
    ::VirtualProtect(slot_, sizeof(void*), protection, &protection);
    return previous;
  }
  const void** slot_ = nullptr;
  const void* original_ = nullptr;
};

}  // namespace testsupport
