// The default query chosen for one first-level list, and the collection of them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "src/columns/record_collection.h"

namespace prefdesk::columns {

struct clsMainOptionQuery {
  int32_t TitleID = 0;
  int32_t ListID = 0;
  std::string DefaultQueryID;
  std::string DefaultQueryName;
};

class clsMainOptionQuerys : public RecordCollection<clsMainOptionQuery> {
 public:
  clsMainOptionQuerys() : RecordCollection("clsMainOptionQuerys") {}

  using RecordCollection::Add;
  RecordRef Add(int32_t TitleID, int32_t ListID, std::string_view DefaultQueryID,
                std::string_view DefaultQueryName, std::string_view sKey = {});
};

}  // namespace prefdesk::columns
