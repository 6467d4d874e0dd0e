#pragma once
// The captions of the two toggles that follow the selected window: the selection sets them from
// the window's state, and the commands read them to know which way a click goes.
#include "ui/portable/Layout.h"

namespace catalogue {

inline constexpr ui::CaptionPair kEnabledToggle{L"Disable Window", L"Enable Window"};
inline constexpr ui::CaptionPair kCloseButtonToggle{L"Disable Close Button", L"Enable Close Button"};

}  // namespace catalogue
