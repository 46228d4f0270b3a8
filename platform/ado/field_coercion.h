// Values put into typed fields take the field's type; null and empty are stored as null.
#pragma once

#include "platform/automation/variant.h"

namespace prefdesk::ado {

// A value that already has the field's type is moved through unchanged.
automation::Variant CoerceToFieldType(automation::Variant value, int type);

}  // namespace prefdesk::ado
