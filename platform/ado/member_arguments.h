// Reading the arguments of late-bound calls on data objects.
#pragma once

#include <string>

#include "platform/automation/dispatch.h"

namespace prefdesk::ado {

// The argument at `index`, or Empty when the caller left it out.
const automation::Variant& ArgumentAt(const automation::Arguments& args, size_t index);
// A text argument; a missing or empty one gives "".
std::string TextArgument(const automation::Arguments& args, size_t index);
std::string TextValue(const automation::Variant& value);
// A whole-number argument; a missing or empty one gives `fallback`.
int NumberArgument(const automation::Arguments& args, size_t index, int fallback);
int NumberValue(const automation::Variant& value, int fallback);

}  // namespace prefdesk::ado
