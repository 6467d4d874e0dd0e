#pragma once
// The optional start-up picture "Splash.bmp" beside the executable.
#include <string>

namespace ui {
class Form;
}

// Window class of the splash window.
inline constexpr const wchar_t* kSplashClassName = L"TSplashForm";

// Shows the bitmap at `picturePath` in a borderless stay-on-top window for six seconds, with
// the user-interface thread asleep, then removes the window. When the file cannot be loaded as
// a bitmap the window still stands for the six seconds, and the failure is thrown afterwards.
// Either way the application and `mainWindow` come to the front when the splash has gone.
void ShowSplash(const std::wstring& picturePath, ui::Form& mainWindow);
