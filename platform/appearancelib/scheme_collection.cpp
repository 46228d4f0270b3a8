#include "platform/appearancelib/scheme_collection.h"

#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#include "platform/automation/member_helpers.h"

namespace prefdesk::appearancelib {

namespace members = automation::members;

using automation::Arguments;
using automation::ParamInfo;
using automation::Variant;

SchemeCollection::SchemeCollection() {
  members::Method(members_, "AddScheme", {ParamInfo{"Key", "String"}, ParamInfo{"Scheme", "Object"}},
                      "Boolean", [this](Arguments& args) {
                        const auto scheme = args[1].IsObject()
                                                ? std::dynamic_pointer_cast<Scheme>(*args[1].Get<automation::ObjectRef>())
                                                : nullptr;
                        return Variant(AddScheme(automation::CStr(args[0]), scheme));
                      });
  members::Method(members_, "Item", {ParamInfo{"Index", "Long"}}, "Object", [this](Arguments& args) {
    return Variant(automation::ObjectRef(Item(automation::CLng(args[0]))));
  });
  members::Get(members_, "Count", "Long", [this] { return Variant(int32_t{Count()}); });
}

bool SchemeCollection::AddScheme(const std::string& key, SchemeRef scheme) {
  if (!scheme || key.empty()) return true;
  for (const auto& entry : entries_) {
    if (automation::EqualsIgnoreCase(entry.first, key)) return true;
  }
  entries_.emplace_back(key, std::move(scheme));
  return false;
}

SchemeRef SchemeCollection::Item(int index) const {
  if (index < 1 || index > Count()) automation::Raise(automation::kErrSubscriptOutOfRange, "SchemeCollection");
  return entries_[static_cast<size_t>(index - 1)].second;
}

}  // namespace prefdesk::appearancelib
