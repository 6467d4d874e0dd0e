#include "catalogue/portable/CatalogueRules.h"

namespace vantora {

bool IsListedTitle(std::wstring_view title) {
  // Case matters: a window titled "start" is listed.
  return !title.empty() && title != L"Program Manager" && title != L"Start";
}

}  // namespace vantora
