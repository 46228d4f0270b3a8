#include "src/columns/main_option_query.h"

namespace prefdesk::columns {

clsMainOptionQuerys::RecordRef clsMainOptionQuerys::Add(int32_t TitleID, int32_t ListID,
                                                        std::string_view DefaultQueryID,
                                                        std::string_view DefaultQueryName,
                                                        std::string_view sKey) {
  auto record = std::make_shared<clsMainOptionQuery>();
  record->TitleID = TitleID;
  record->ListID = ListID;
  record->DefaultQueryID = DefaultQueryID;
  record->DefaultQueryName = DefaultQueryName;
  return Add(std::move(record), sKey);
}

}  // namespace prefdesk::columns
