#pragma once
// Functions of system libraries that not every system has: looked up while running, so that the
// program still starts where they are missing.
#include <type_traits>

namespace platform {

enum class LibraryUse {
  IfLoaded,       // a library the process has not loaded is taken as absent
  LoadIfMissing,  // loads it then; it stays loaded until the process ends
};

// The address of `name` in the system library `module`, or null when either is absent.
void* SystemFunctionAddress(const wchar_t* module, const char* name, LibraryUse use = LibraryUse::IfLoaded);

// The same as a function pointer of the type the caller knows it to have, for example
// SystemFunction<BOOL(WINAPI*)(HWND)>(L"user32.dll", "SomeNewerCall").
template <class Fn>
Fn SystemFunction(const wchar_t* module, const char* name, LibraryUse use = LibraryUse::IfLoaded) {
  static_assert(std::is_function_v<std::remove_pointer_t<Fn>>, "a pointer to a function");
  return reinterpret_cast<Fn>(SystemFunctionAddress(module, name, use));
}

}  // namespace platform
