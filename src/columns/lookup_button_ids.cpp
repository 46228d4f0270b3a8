#include "src/columns/lookup_button_ids.h"
#include "src/columns/record_classes.h"

namespace prefdesk::columns {

ButtonIdTables& ButtonIds() {
  thread_local ButtonIdTables tables;
  return tables;
}

void ClearButtonIdTables() {
  ButtonIds().Titles.reset();
  ButtonIds().Lists.reset();
}

bool LookupButtonIDs(const std::string& TitleName, const std::string& ListName,
                     int16_t& HButtonID, int16_t& VButtonID) {
  const ButtonIdTables& tables = ButtonIds();
  if (!tables.Titles || !tables.Lists) return true;
  for (const auto& title : *tables.Titles) {
    if (title->HButtonName == TitleName) {
      HButtonID = title->HButtonID;
      break;
    }
  }
  if (ListName.empty()) return false;
  for (const auto& list : *tables.Lists) {
    if (list->HButtonID == HButtonID && list->VButtonName == ListName) VButtonID = list->VButtonID;
  }
  return false;
}

}  // namespace prefdesk::columns
