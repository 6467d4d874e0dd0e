#pragma once
// How a command that another program's window refused is told to the user: the one place that
// turns the system's refusals into the user's words.
#include <optional>
#include <string>

#include "platform/Error.h"

namespace ui {

// What the user reads when a change of another program's window was refused because that program
// runs with higher rights.
inline constexpr wchar_t kHigherRightsRefusal[] =
    L"The Window Belongs To A Program Running With Higher Rights Than Vantora.";

// The user's sentence for a refusal the user can act on (by running Vantora with the same rights),
// or nothing for any other failure.
std::optional<std::wstring> RightsRefusal(const platform::Outcome& outcome);

// A failure of a command on the selected window goes to the debug log, and a refusal for rights
// to the error box as well.
void ReportCommandFailure(const std::wstring& what, const platform::Outcome& outcome);

}  // namespace ui
