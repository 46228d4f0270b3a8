// Values put into typed fields take the field's type; null and empty are stored as null.
#pragma once

#include "platform/automation/variant.h"

namespace prefdesk::ado {

// Gives value the type of a field of ADO type `type`, in place; a value that already has it is
// left as it is.
void CoerceToFieldType(automation::Variant& value, int type);

}  // namespace prefdesk::ado
