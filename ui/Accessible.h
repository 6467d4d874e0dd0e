#pragma once
// What screen readers learn of a control: the system's standard accessible object, with the
// control's name where its window text is not one (an edit's text, an image-only button), the
// role of its kind and the check state of check boxes and radio buttons, which not every
// system's standard object reports.
#include <windows.h>

#include <string>

#include "ui/portable/Layout.h"

namespace ui {

// The answer to WM_GETOBJECT for the control's client object; 0 lets the class answer.
LRESULT AccessibleObjectOf(HWND control, ControlKind kind, const std::wstring& name, WPARAM wParam, LPARAM lParam);

}  // namespace ui
