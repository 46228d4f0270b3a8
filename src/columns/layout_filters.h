// Filter expressions that match a layout row by its names, each built in one text with the
// names written by storage::AppendSqlText.
#pragma once

#include <string>
#include <string_view>

#include "platform/automation/variant.h"

namespace prefdesk::columns {

// "Field='name'".
std::string NameCondition(std::string_view field, std::string_view name);
// "TitleName='title' And ListName='list'".
std::string TitleListCondition(std::string_view title, std::string_view list);
// The same for name fields of a row, where a null name gives "Field=NULL".
std::string TitleListValueCondition(const automation::Variant& title,
                                    const automation::Variant& list);

// The catalogue look-ups take the name fields of a row; an empty or null name is matched
// with "= NULL".
// Finds a title-list row's ids in the server catalogue of titles and first-level lists.
std::string TitleListIdFilter(const automation::Variant& title, const automation::Variant& list);
// Finds a title-list row's captions in the local names.
std::string TitleListCaptionFilter(const automation::Variant& title,
                                   const automation::Variant& list);
// Finds a list-son row in the server catalogue of lists or in the local names.
std::string ListSonFilter(const automation::Variant& title, const automation::Variant& list,
                          const automation::Variant& son);

}  // namespace prefdesk::columns
