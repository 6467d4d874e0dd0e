#include "catalogue/portable/CatalogueRules.h"

namespace vantora {

bool IsListedTitle(std::wstring_view title) {
  // Case matters: a window titled "program manager" is listed.
  return !title.empty() && title != L"Program Manager";
}

bool IsStartButton(std::wstring_view windowClass, std::wstring_view ownerClass) {
  return windowClass == L"Button" && ownerClass == L"Shell_TrayWnd";
}

}  // namespace vantora
