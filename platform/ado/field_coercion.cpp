#include "platform/ado/field_coercion.h"

#include "platform/ado/types.h"
#include "platform/automation/conversions.h"

namespace prefdesk::ado {

using automation::Variant;

namespace {

// Converts value with `convert` unless it already holds a T.
template <typename T, typename Convert>
void As(Variant& value, Convert convert) {
  if (value.Get<T>() == nullptr) value = Variant(convert(value));
}

}  // namespace

void CoerceToFieldType(Variant& value, int type) {
  if (value.IsEmptyOrNull()) {
    value = Variant::Null();
    return;
  }
  switch (type) {
    case adSmallInt: return As<int16_t>(value, automation::CInt);
    case adInteger: return As<int32_t>(value, automation::CLng);
    case adSingle: return As<float>(value, automation::CSng);
    case adDouble: return As<double>(value, automation::CDbl);
    case adCurrency: return As<automation::Currency>(value, automation::CCur);
    case adDate: return As<automation::Date>(value, automation::CDate);
    case adBSTR:
    case adVarWChar: return As<std::string>(value, automation::CStr);
    case adBoolean: return As<bool>(value, automation::CBool);
    default: return;
  }
}

}  // namespace prefdesk::ado
