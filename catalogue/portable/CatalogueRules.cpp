#include "catalogue/portable/CatalogueRules.h"

namespace vantora {

bool IsListedTitle(std::wstring_view title) {
  // Case matters: a window titled "program manager" is listed.
  return !title.empty() && title != L"Program Manager";
}

}  // namespace vantora
