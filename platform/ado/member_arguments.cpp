#include "platform/ado/member_arguments.h"

#include "platform/automation/conversions.h"

namespace prefdesk::ado {

const automation::Variant& ArgumentAt(const automation::Arguments& args, size_t index) {
  static const automation::Variant kMissing;
  return index < args.size() ? args[index] : kMissing;
}

std::string TextArgument(const automation::Arguments& args, size_t index) {
  const auto& value = ArgumentAt(args, index);
  return value.IsEmpty() ? std::string() : automation::CStr(value);
}

int NumberArgument(const automation::Arguments& args, size_t index, int fallback) {
  const auto& value = ArgumentAt(args, index);
  return value.IsEmpty() ? fallback : automation::CLng(value);
}

automation::ParamInfo OptionalParam(std::string name, std::string type) {
  return {std::move(name), std::move(type), automation::ParamDirection::In, true};
}

}  // namespace prefdesk::ado
