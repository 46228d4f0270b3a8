// One row of the navigation layout being edited, and the collection the dialog keeps them in.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "src/columns/record_collection.h"

namespace prefdesk::columns {

// A title, optionally one first-level list under it, optionally one second-level list under
// that list. Names are internal names; captions are in the current language; ids are the
// server's (0 when no server entry matched).
struct clsMainOptionColumn {
  std::string TitleName;
  bool TitleVisible = false;
  int32_t TitlePos = 0;
  std::string ListName;
  bool ListVisible = false;
  int32_t ListPos = 0;
  std::string ListSonName;
  bool ListSonVisible = false;
  int32_t ListSonPos = 0;
  std::string TitleCaption;
  std::string ListCaption;
  std::string ListSonCaption;
  int32_t TitleID = 0;
  int32_t ListID = 0;
  int32_t ListSonID = 0;
  bool DefaultVisible = false;
};

class clsMainOptionColumns : public RecordCollection<clsMainOptionColumn> {
 public:
  clsMainOptionColumns() : RecordCollection("clsMainOptionColumns") {}

  using RecordCollection::Add;
  RecordRef Add(std::string_view TitleName, int32_t TitleID, std::string_view ListName,
                int32_t ListID, std::string_view ListSonName, int32_t ListSonID,
                std::string_view TitleCaption, std::string_view ListCaption,
                std::string_view ListSonCaption, bool TitleVisible, int32_t TitlePos,
                bool ListVisible, bool DefaultVisible, int32_t ListPos, bool ListSonVisible,
                int32_t ListSonPos, std::string_view sKey = {});
};

}  // namespace prefdesk::columns
