#include "src/columns/main_option_column.h"

namespace prefdesk::columns {

clsMainOptionColumns::RecordRef clsMainOptionColumns::Add(
    std::string_view TitleName, int32_t TitleID, std::string_view ListName, int32_t ListID,
    std::string_view ListSonName, int32_t ListSonID, std::string_view TitleCaption,
    std::string_view ListCaption, std::string_view ListSonCaption, bool TitleVisible,
    int32_t TitlePos, bool ListVisible, bool DefaultVisible, int32_t ListPos,
    bool ListSonVisible, int32_t ListSonPos, std::string_view sKey) {
  auto record = std::make_shared<clsMainOptionColumn>();
  record->TitleName = TitleName;
  record->TitleID = TitleID;
  record->ListName = ListName;
  record->ListID = ListID;
  record->ListSonName = ListSonName;
  record->ListSonID = ListSonID;
  record->TitleCaption = TitleCaption;
  record->ListCaption = ListCaption;
  record->ListSonCaption = ListSonCaption;
  record->TitleVisible = TitleVisible;
  record->TitlePos = TitlePos;
  record->ListVisible = ListVisible;
  record->DefaultVisible = DefaultVisible;
  record->ListPos = ListPos;
  record->ListSonVisible = ListSonVisible;
  record->ListSonPos = ListSonPos;
  return Add(std::move(record), sKey);
}

}  // namespace prefdesk::columns
