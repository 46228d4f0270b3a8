// Reading record set fields that may be empty or null, the one way every reader does.
#pragma once

#include <string>

#include "platform/automation/conversions.h"
#include "platform/automation/variant.h"

namespace prefdesk::storage {

// The value as text; an empty or null value gives the empty text.
inline std::string TextOrEmpty(const automation::Variant& value) {
  return value.IsEmptyOrNull() ? std::string() : automation::CStr(value);
}

// The value as a Long; an empty or null value gives Null.
inline automation::Variant LongOrNull(const automation::Variant& value) {
  return value.IsEmptyOrNull() ? automation::Variant::Null()
                               : automation::Variant(automation::CLng(value));
}

}  // namespace prefdesk::storage
