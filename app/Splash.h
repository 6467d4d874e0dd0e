#pragma once
// The optional start-up picture "Splash.bmp" beside the executable.
#include <string>

namespace ui {
class Form;
}

// Window class of the splash window.
inline constexpr const wchar_t* kSplashClassName = L"TSplashForm";

// Shows the bitmap at `picturePath` in a borderless stay-on-top window for six seconds, then
// removes the window. Meanwhile the program paints and answers the system, but runs nothing else
// and throws away the keys and clicks it is given. When the file cannot be loaded as
// a bitmap the window still stands for the six seconds, and the failure is thrown afterwards.
// Either way the application and `mainWindow` come to the front when the splash has gone.
void ShowSplash(const std::wstring& picturePath, ui::Form& mainWindow);
