#pragma once
// The fades of button faces in progress, driven by one timer that runs only while a fade does.
// The system's buffered-paint animation is a stub under Wine, so the frames are ours.
#include <windows.h>

#include <map>

#include "platform/UniqueHandle.h"
#include "skin/portable/Colour.h"

namespace skin {

class ButtonFades {
 public:
  ButtonFades();
  ButtonFades(const ButtonFades&) = delete;
  ButtonFades& operator=(const ButtonFades&) = delete;
  ~ButtonFades();

  // Starts a fade of the button from the colour it shows now (`from`) to whatever its state
  // then asks for.
  void Start(HWND button, Rgb from);
  // Ends the button's fade: it shows its state's colour at once.
  void Stop(HWND button);
  // The colour the button shows now on its way to `target`; `target` when it is not fading.
  Rgb Face(HWND button, Rgb target) const;
  bool Running() const noexcept { return !fades_.empty(); }

 private:
  static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
  void Tick();
  struct Fade {
    Rgb from;
    ULONGLONG start;
  };
  std::map<HWND, Fade> fades_;
  platform::UniqueWindow timerWindow_;  // message-only: carries the timer
  bool timing_ = false;
};

}  // namespace skin
