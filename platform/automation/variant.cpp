#include "platform/automation/variant.h"

#include <cmath>

#include "platform/automation/error.h"

namespace prefdesk::automation {

Currency Currency::FromDouble(double value) {
  // nearbyint rounds half to even in the default rounding mode.
  const double scaled = std::nearbyint(value * 10000.0);
  // 2^63 is exactly representable; anything at or beyond it does not fit.
  constexpr double kLimit = 9223372036854775808.0;
  if (!(scaled > -kLimit && scaled < kLimit)) Raise(kErrOverflow, "CCur");
  return Currency{static_cast<int64_t>(scaled)};
}

Variant Variant::Null() {
  Variant v;
  v.value_ = NullValue{};
  return v;
}

VarType Variant::Type() const {
  switch (value_.index()) {
    case 0: return VarType::Empty;
    case 1: return VarType::Null;
    case 2: return VarType::Integer;
    case 3: return VarType::Long;
    case 4: return VarType::Single;
    case 5: return VarType::Double;
    case 6: return VarType::Currency;
    case 7: return VarType::Date;
    case 8: return VarType::String;
    case 9: return VarType::Object;
    default: return VarType::Boolean;
  }
}

}  // namespace prefdesk::automation
