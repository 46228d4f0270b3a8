#include "src/columns/main_option_startup.h"

namespace prefdesk::columns {

clsMainOptionStartups::RecordRef clsMainOptionStartups::Add(std::string_view ColumnName,
                                                            std::string_view DefaultListName,
                                                            std::string_view ColumnCaption,
                                                            std::string_view sKey) {
  auto record = std::make_shared<clsMainOptionStartup>();
  record->ColumnName = ColumnName;
  record->DefaultListName = DefaultListName;
  record->ColumnCaption = ColumnCaption;
  return Add(std::move(record), sKey);
}

}  // namespace prefdesk::columns
