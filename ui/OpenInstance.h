#pragma once
// A form of which at most one is open at a time, and which others ask for: the main window
// leaves the open dialogs out of its list and destroys their windows when the program ends.
// The open one is the one alive; null while there is none.
namespace ui {

template <class T>
class OpenInstance {
 public:
  OpenInstance(const OpenInstance&) = delete;
  OpenInstance& operator=(const OpenInstance&) = delete;

  static T* Open() noexcept { return static_cast<T*>(open_); }

 protected:
  OpenInstance() noexcept { open_ = this; }
  ~OpenInstance() {
    if (open_ == this) open_ = nullptr;
  }

 private:
  static inline OpenInstance* open_ = nullptr;
};

}  // namespace ui
