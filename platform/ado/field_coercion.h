// Values put into typed fields take the field's type; null and empty are stored as null.
#pragma once

#include "platform/automation/variant.h"

namespace prefdesk::ado {

automation::Variant CoerceToFieldType(const automation::Variant& value, int type);

}  // namespace prefdesk::ado
