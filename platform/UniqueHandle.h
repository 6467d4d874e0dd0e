#pragma once
// Owning wrappers for the handles Vantora creates. Windows of other programs are never owned:
// they stay plain HWND values.
#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace platform {

template <class Traits>
class UniqueHandle {
 public:
  using pointer = typename Traits::pointer;

  UniqueHandle() noexcept = default;
  explicit UniqueHandle(pointer h) noexcept : h_(h) {}
  UniqueHandle(UniqueHandle&& other) noexcept : h_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { reset(); }

  pointer get() const noexcept { return h_; }
  explicit operator bool() const noexcept { return h_ != Traits::invalid(); }
  [[nodiscard]] pointer release() noexcept { return std::exchange(h_, Traits::invalid()); }
  void reset(pointer h = Traits::invalid()) noexcept {
    if (h_ != Traits::invalid()) Traits::close(h_);
    h_ = h;
  }

 private:
  pointer h_ = Traits::invalid();
};

namespace traits {
struct KernelHandle {
  using pointer = HANDLE;
  static pointer invalid() { return nullptr; }
  static void close(pointer h) { ::CloseHandle(h); }
};
struct File {
  using pointer = HANDLE;
  static pointer invalid() { return INVALID_HANDLE_VALUE; }
  static void close(pointer h) { ::CloseHandle(h); }
};
struct Icon {
  using pointer = HICON;
  static pointer invalid() { return nullptr; }
  static void close(pointer h) { ::DestroyIcon(h); }
};
struct Window {
  using pointer = HWND;
  static pointer invalid() { return nullptr; }
  static void close(pointer h) { ::DestroyWindow(h); }
};
template <class T>
struct GdiObject {
  using pointer = T;
  static pointer invalid() { return nullptr; }
  static void close(pointer h) { ::DeleteObject(h); }
};
struct MemoryDc {
  using pointer = HDC;
  static pointer invalid() { return nullptr; }
  static void close(pointer h) { ::DeleteDC(h); }
};
struct Hkey {
  using pointer = HKEY;
  static pointer invalid() { return nullptr; }
  static void close(pointer h) { ::RegCloseKey(h); }
};
struct Hook {
  using pointer = HHOOK;
  static pointer invalid() { return nullptr; }
  static void close(pointer h) { ::UnhookWindowsHookEx(h); }
};
struct MapView {
  using pointer = void*;
  static pointer invalid() { return nullptr; }
  static void close(pointer p) { ::UnmapViewOfFile(p); }
};
struct Menu {
  using pointer = HMENU;
  static pointer invalid() { return nullptr; }
  static void close(pointer h) { ::DestroyMenu(h); }
};
struct ImageList {
  using pointer = HIMAGELIST;
  static pointer invalid() { return nullptr; }
  static void close(pointer h) { ::ImageList_Destroy(h); }
};
struct Module {
  using pointer = HMODULE;
  static pointer invalid() { return nullptr; }
  static void close(pointer h) { ::FreeLibrary(h); }
};
struct FindSearch {
  using pointer = HANDLE;
  static pointer invalid() { return INVALID_HANDLE_VALUE; }
  static void close(pointer h) { ::FindClose(h); }
};
struct EnhMetafile {
  using pointer = HENHMETAFILE;
  static pointer invalid() { return nullptr; }
  static void close(pointer h) { ::DeleteEnhMetaFile(h); }
};
struct Metafile {
  using pointer = HMETAFILE;
  static pointer invalid() { return nullptr; }
  static void close(pointer h) { ::DeleteMetaFile(h); }
};
}  // namespace traits

using UniqueKernelHandle = UniqueHandle<traits::KernelHandle>;
using UniqueFile = UniqueHandle<traits::File>;
using UniqueIcon = UniqueHandle<traits::Icon>;
using UniqueBitmap = UniqueHandle<traits::GdiObject<HBITMAP>>;
using UniqueBrush = UniqueHandle<traits::GdiObject<HBRUSH>>;
using UniquePalette = UniqueHandle<traits::GdiObject<HPALETTE>>;
using UniqueFont = UniqueHandle<traits::GdiObject<HFONT>>;
using UniqueMemoryDc = UniqueHandle<traits::MemoryDc>;
using UniqueHkey = UniqueHandle<traits::Hkey>;
using UniqueHook = UniqueHandle<traits::Hook>;
using UniqueMapView = UniqueHandle<traits::MapView>;
using UniqueMenu = UniqueHandle<traits::Menu>;
using UniqueImageList = UniqueHandle<traits::ImageList>;
using UniqueModule = UniqueHandle<traits::Module>;
// Only for windows of our own that no form or control owns (message-only windows).
using UniqueWindow = UniqueHandle<traits::Window>;
using UniqueFindSearch = UniqueHandle<traits::FindSearch>;
using UniqueEnhMetafile = UniqueHandle<traits::EnhMetafile>;
using UniqueMetafile = UniqueHandle<traits::Metafile>;

// A window's device context, released to the window it came from: its client area, or with
// wholeWindow its frame and title bar too (GetWindowDC).
class WindowDc {
 public:
  explicit WindowDc(HWND window, bool wholeWindow = false) noexcept
      : window_(window), dc_(wholeWindow ? ::GetWindowDC(window) : ::GetDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ::ReleaseDC(window_, dc_);
  }
  HDC get() const noexcept { return dc_; }
  explicit operator bool() const noexcept { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects an object into a DC and puts the previous one back at scope end.
class SelectRestorer {
 public:
  SelectRestorer(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(::SelectObject(dc, object)) {}
  SelectRestorer(const SelectRestorer&) = delete;
  SelectRestorer& operator=(const SelectRestorer&) = delete;
  ~SelectRestorer() {
    if (previous_ && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace platform
