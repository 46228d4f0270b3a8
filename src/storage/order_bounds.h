// The order range of one level: one aggregate row with MinDefaultOrder and MaxDefaultOrder,
// read before any row of that level.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/ado/recordset.h"

namespace prefdesk::storage {

// The two messages of one level, in both languages.
struct OrderMessages {
  std::string_view not_found_english;
  std::string_view not_found_chinese;
  std::string_view bad_order_english;
  std::string_view bad_order_chinese;
};

// Stores the level's smallest and largest order. No row raises the not-found message, an
// empty or null value the order message, as error -1 from source; the message is raised only
// when the interface language is Chinese or English, otherwise the values read are taken.
void ReadOrderBounds(const ado::Recordset& aggregate, const OrderMessages& messages,
                     const std::string& source, int32_t& smallest, int32_t& largest);

}  // namespace prefdesk::storage
