// Reading record set values that may be empty or null, as the dialog's lists show them.
#pragma once

#include <string>

#include "platform/automation/conversions.h"
#include "platform/automation/variant.h"

namespace prefdesk::dialog {

// The value as text; an empty or null value gives the empty text.
inline std::string TextOrEmpty(const automation::Variant& value) {
  return value.IsEmptyOrNull() ? std::string() : automation::CStr(value);
}

}  // namespace prefdesk::dialog
