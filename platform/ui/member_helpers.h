// Shorthands that fill a member table with properties and methods of one object. Each
// property's get and put share one dispatch id; a put takes the indices first, the value last.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/automation/dispatch.h"

namespace prefdesk::ui::members {

using Getter = std::function<automation::Variant()>;
using Putter = std::function<void(const automation::Variant& value)>;
using IndexedGetter = std::function<automation::Variant(const automation::Variant& index)>;
using IndexedPutter = std::function<void(const automation::Variant& index, const automation::Variant& value)>;

// A get-only property.
void Get(automation::MemberTable& table, const std::string& name, const std::string& type, Getter get);
// A get and put property.
void Property(automation::MemberTable& table, const std::string& name, const std::string& type, Getter get,
              Putter put);
// A get and put-by-reference object property.
void ObjectProperty(automation::MemberTable& table, const std::string& name, const std::string& type,
                    Getter get, Putter put_ref);
// A property with one index argument; put may be empty for a get-only one.
void Indexed(automation::MemberTable& table, const std::string& name, const std::string& type,
             IndexedGetter get, IndexedPutter put);
// A method; `params` name its arguments, the optional ones last.
void Method(automation::MemberTable& table, const std::string& name, std::vector<automation::ParamInfo> params,
            std::string result_type, automation::MemberHandler handler);

}  // namespace prefdesk::ui::members
