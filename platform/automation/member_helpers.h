// Shorthands that fill a member table with the parameters, properties and methods of one object,
// for every class that has one. Each property's get and put share one dispatch id; a put takes
// the indices first, the value last. Tables whose dispatch ids are fixed name them; the others
// take the next free one.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/automation/dispatch.h"

namespace prefdesk::automation::members {

using Getter = std::function<Variant()>;
using Putter = std::function<void(const Variant& value)>;
using IndexedGetter = std::function<Variant(const Variant& index)>;
using IndexedPutter = std::function<void(const Variant& index, const Variant& value)>;

// A parameter passed by value; one passed by reference, which the member may write back.
ParamInfo In(std::string name, std::string type, bool optional = false);
ParamInfo InOut(std::string name, std::string type);

// The put of a property: its kind (put, or put by reference for objects) and the name of its
// value parameter.
struct PutSpec {
  MemberKind kind = MemberKind::PropertyPut;
  std::string value_name = "Value";
};

// With a fixed dispatch id.
void Get(MemberTable& table, const std::string& name, int32_t dispid, const std::string& type,
         Getter get);
void Put(MemberTable& table, const std::string& name, int32_t dispid, const std::string& type,
         Putter put, const PutSpec& spec = {});
void Property(MemberTable& table, const std::string& name, int32_t dispid, const std::string& type,
              Getter get, Putter put, const PutSpec& spec = {});
// A property with one index argument; put may be empty for a get-only one.
void Indexed(MemberTable& table, const std::string& name, int32_t dispid, const std::string& type,
             const ParamInfo& index, IndexedGetter get, IndexedPutter put);
void Method(MemberTable& table, const std::string& name, int32_t dispid, std::vector<ParamInfo> params,
            std::string result_type, MemberHandler handler);

// With the next free dispatch id.
// A get-only property.
void Get(MemberTable& table, const std::string& name, const std::string& type, Getter get);
// A get and put property.
void Property(MemberTable& table, const std::string& name, const std::string& type, Getter get,
              Putter put);
// A get and put-by-reference object property.
void ObjectProperty(MemberTable& table, const std::string& name, const std::string& type,
                    Getter get, Putter put_ref);
// A property with one whole-number index argument, "Index"; put may be empty for a get-only one.
void Indexed(MemberTable& table, const std::string& name, const std::string& type,
             IndexedGetter get, IndexedPutter put);
// A method; `params` name its arguments, the optional ones last.
void Method(MemberTable& table, const std::string& name, std::vector<ParamInfo> params,
            std::string result_type, MemberHandler handler);

}  // namespace prefdesk::automation::members
