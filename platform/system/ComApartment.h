#pragma once
// COM on the calling thread for the length of one piece of work.
#include <objbase.h>

namespace platform {

// A thread that already runs another apartment kind keeps it: the callers' objects work in either.
class ComApartment {
 public:
  ComApartment() : result_(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() {
    if (SUCCEEDED(result_)) ::CoUninitialize();
  }

 private:
  HRESULT result_;
};

}  // namespace platform
