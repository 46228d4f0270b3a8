// Argument conversions shared by the member tables of the component's public classes.
#pragma once

#include <memory>

#include "platform/automation/dispatch.h"
#include "platform/automation/error.h"
#include "platform/automation/variant.h"

namespace prefdesk::component {

// The object an argument holds, as the class a member expects. Empty or an empty reference
// give no object; an object of another class raises 13 (type mismatch).
template <class T>
std::shared_ptr<T> ObjectArg(const automation::Variant& value) {
  if (value.IsEmpty()) return nullptr;
  const automation::ObjectRef* object = value.Get<automation::ObjectRef>();
  if (!object) automation::Raise(automation::kErrTypeMismatch, "ObjectArg");
  if (!*object) return nullptr;
  auto typed = std::dynamic_pointer_cast<T>(*object);
  if (!typed) automation::Raise(automation::kErrTypeMismatch, "ObjectArg");
  return typed;
}

}  // namespace prefdesk::component
