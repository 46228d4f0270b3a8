// One startup column choice (a title and the list it opens by default), and the collection.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "src/columns/record_collection.h"

namespace prefdesk::columns {

struct clsMainOptionStartup {
  std::string ColumnName;
  std::string DefaultListName;
  std::string ColumnCaption;
};

class clsMainOptionStartups : public RecordCollection<clsMainOptionStartup> {
 public:
  clsMainOptionStartups() : RecordCollection("clsMainOptionStartups") {}

  using RecordCollection::Add;
  RecordRef Add(std::string_view ColumnName, std::string_view DefaultListName,
                std::string_view ColumnCaption, std::string_view sKey = {});
};

}  // namespace prefdesk::columns
