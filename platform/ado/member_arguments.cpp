#include "platform/ado/member_arguments.h"

#include "platform/automation/conversions.h"

namespace prefdesk::ado {

const automation::Variant& ArgumentAt(const automation::Arguments& args, size_t index) {
  static const automation::Variant kMissing;
  return index < args.size() ? args[index] : kMissing;
}

std::string TextValue(const automation::Variant& value) {
  return value.IsEmpty() ? std::string() : automation::CStr(value);
}

std::string TextArgument(const automation::Arguments& args, size_t index) {
  return TextValue(ArgumentAt(args, index));
}

int NumberValue(const automation::Variant& value, int fallback) {
  return value.IsEmpty() ? fallback : automation::CLng(value);
}

int NumberArgument(const automation::Arguments& args, size_t index, int fallback) {
  return NumberValue(ArgumentAt(args, index), fallback);
}

}  // namespace prefdesk::ado
