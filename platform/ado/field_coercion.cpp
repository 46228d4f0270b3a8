#include "platform/ado/field_coercion.h"

#include <utility>

#include "platform/ado/types.h"
#include "platform/automation/conversions.h"

namespace prefdesk::ado {

using automation::Variant;

namespace {

// The value itself when it already holds a T, else the conversion's result.
template <typename T, typename Convert>
Variant As(Variant&& value, Convert convert) {
  if (value.Get<T>() != nullptr) return std::move(value);
  return Variant(convert(value));
}

}  // namespace

Variant CoerceToFieldType(Variant value, int type) {
  if (value.IsEmptyOrNull()) return Variant::Null();
  switch (type) {
    case adSmallInt: return As<int16_t>(std::move(value), automation::CInt);
    case adInteger: return As<int32_t>(std::move(value), automation::CLng);
    case adSingle: return As<float>(std::move(value), automation::CSng);
    case adDouble: return As<double>(std::move(value), automation::CDbl);
    case adCurrency: return As<automation::Currency>(std::move(value), automation::CCur);
    case adDate: return As<automation::Date>(std::move(value), automation::CDate);
    case adBSTR:
    case adVarWChar: return As<std::string>(std::move(value), automation::CStr);
    case adBoolean: return As<bool>(std::move(value), automation::CBool);
    default: return value;
  }
}

}  // namespace prefdesk::ado
