#include "platform/automation/error.h"

#include <utility>

namespace prefdesk::automation {

AutomationError::AutomationError(int32_t number, std::string source, std::string description)
    : std::runtime_error(description),
      number_(number),
      source_(std::move(source)),
      description_(std::move(description)) {}

void Raise(int32_t number, std::string source, std::string description) {
  throw AutomationError(number, std::move(source), std::move(description));
}

void Raise(int32_t number, std::string source) {
  throw AutomationError(number, std::move(source), ErrorText(number));
}

std::string ErrorText(int32_t number) {
  switch (number) {
    case kErrInvalidArgument:
      return "Invalid procedure call or argument";
    case kErrOverflow:
      return "Overflow";
    case kErrSubscriptOutOfRange:
      return "Subscript out of range";
    case kErrTypeMismatch:
      return "Type mismatch";
    case kErrObjectRequired:
      return "Object variable or With block variable not set";
    case kErrInvalidUseOfNull:
      return "Invalid use of Null";
    case kErrMemberNotFound:
      return "Object doesn't support this property or method";
    case kErrWrongArgumentCount:
      return "Wrong number of arguments or invalid property assignment";
    case kErrKeyAlreadyUsed:
      return "This key is already associated with an element of this collection";
    default:
      return "Application-defined or object-defined error";
  }
}

}  // namespace prefdesk::automation
