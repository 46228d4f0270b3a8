#include "src/columns/layout_filters.h"

#include "src/storage/sql_literal.h"

namespace prefdesk::columns {
namespace {

// "Field=" followed by the quoted name, or null_form when the name is empty.
std::string Term(std::string_view field, std::string_view name, std::string_view null_form) {
  if (name.empty()) return std::string(field) + std::string(null_form);
  return std::string(field) + "=" + storage::SqlText(name);
}

}  // namespace

std::string TitleListIdFilter(std::string_view title, std::string_view list) {
  return Term("TitleName", title, " = NULL") + " And " + Term("ListName", list, " = NULL");
}

std::string TitleListCaptionFilter(std::string_view title, std::string_view list) {
  return Term("TitleName", title, "=NULL") + " And " + Term("ListName", list, "=NULL");
}

std::string ListSonFilter(std::string_view title, std::string_view list, std::string_view son) {
  std::string filter =
      Term("TitleName", title, "=NULL") + " And " + Term("ListName", list, "=NULL") + " And ";
  if (!title.empty() && !list.empty() && !son.empty()) {
    return filter + "ListSonName= " + storage::SqlText(son);
  }
  return filter + Term("ListSonName", son, "=NULL");
}

}  // namespace prefdesk::columns
