#include "ui/CommandReports.h"

#include <windows.h>

#include "ui/Prompts.h"

namespace ui {

std::optional<std::wstring> RightsRefusal(const platform::Outcome& outcome) {
  if (outcome || outcome.code() != ERROR_ACCESS_DENIED) return std::nullopt;
  return kHigherRightsRefusal;
}

void ReportCommandFailure(const std::wstring& what, const platform::Outcome& outcome) {
  platform::LogIfFailed(what, outcome);
  if (const auto refusal = RightsRefusal(outcome)) CurrentPrompts().Error(*refusal);
}

}  // namespace ui
