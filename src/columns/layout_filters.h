// Filter expressions that match a layout row by its names. An empty name stands for a null
// one and is matched with "= NULL"; present names are written by storage::SqlText.
#pragma once

#include <string>
#include <string_view>


namespace prefdesk::columns {

// Finds a title-list row's ids in the server catalogue of titles and first-level lists.
std::string TitleListIdFilter(std::string_view title, std::string_view list);
// Finds a title-list row's captions in the local names.
std::string TitleListCaptionFilter(std::string_view title, std::string_view list);
// Finds a list-son row in the server catalogue of lists or in the local names.
std::string ListSonFilter(std::string_view title, std::string_view list, std::string_view son);

}  // namespace prefdesk::columns
