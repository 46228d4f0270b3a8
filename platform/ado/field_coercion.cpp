#include "platform/ado/field_coercion.h"

#include "platform/ado/types.h"
#include "platform/automation/conversions.h"

namespace prefdesk::ado {

using automation::Variant;

Variant CoerceToFieldType(const Variant& value, int type) {
  if (value.IsEmptyOrNull()) return Variant::Null();
  switch (type) {
    case adSmallInt: return Variant(automation::CInt(value));
    case adInteger: return Variant(automation::CLng(value));
    case adSingle: return Variant(automation::CSng(value));
    case adDouble: return Variant(automation::CDbl(value));
    case adCurrency: return Variant(automation::CCur(value));
    case adDate: return Variant(automation::CDate(value));
    case adBSTR:
    case adVarWChar: return Variant(automation::CStr(value));
    case adBoolean: return Variant(automation::CBool(value));
    default: return value;
  }
}

}  // namespace prefdesk::ado
