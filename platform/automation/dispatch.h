// Late-bound calls: every public object has one member table (name, dispatch id, kind,
// parameters) that drives Invoke by name or id and writes the registration record.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/automation/variant.h"

namespace prefdesk::automation {

enum class MemberKind { Method, PropertyGet, PropertyPut, PropertyPutRef };
enum class ParamDirection { In, InOut };

struct ParamInfo {
  std::string name;
  std::string type;  // the automation type name: "Integer", "Long", "String", "Date", ...
  ParamDirection direction = ParamDirection::In;
  bool optional = false;
};

// A property put lists the new value as its last parameter.
struct MemberInfo {
  std::string name;
  int32_t dispid = 0;
  MemberKind kind = MemberKind::Method;
  std::vector<ParamInfo> params;
  std::string result_type;  // empty for none
};

// Arguments of one call; in/out arguments are written back into this vector.
using Arguments = std::vector<Variant>;
using MemberHandler = std::function<Variant(Arguments&)>;

// The member table of one class: entries in slot order.
class MemberTable {
 public:
  // Raises 457 when the table already has a member of that kind with the name or dispatch id.
  void Add(MemberInfo info, MemberHandler handler);
  const std::vector<MemberInfo>& Members() const { return infos_; }
  // Finds an entry by name (case-blind) and kind; nullptr when none.
  const MemberInfo* Find(std::string_view name, MemberKind kind) const;
  const MemberInfo* Find(int32_t dispid, MemberKind kind) const;
  // Raises 450 unless every non-optional parameter is given and no extra one. Supplied
  // arguments are converted to the parameter's scalar type ("Integer", "Long", "Single",
  // "Double", "Currency", "Date", "String", "Boolean"; other types pass unchanged); the
  // handler gets one argument per parameter, Empty for omitted ones; in/out arguments the
  // caller supplied are written back.
  Variant Call(const MemberInfo& member, Arguments& args) const;

 private:
  std::vector<MemberInfo> infos_;
  std::vector<MemberHandler> handlers_;
};

// Base of every object that can be called by name. Derived classes fill their table once.
class Dispatch {
 public:
  virtual ~Dispatch() = default;
  virtual const MemberTable& Members() const = 0;
  virtual std::string ClassName() const = 0;

  // Raise 438 when the member does not exist, 450 on a wrong argument count. A property get
  // may be answered by a method and a method call by a property get, as scripting hosts do.
  Variant Invoke(std::string_view name, MemberKind kind, Arguments& args);
  Variant Invoke(int32_t dispid, MemberKind kind, Arguments& args);

  Variant GetProperty(std::string_view name);
  // Uses the put; an object value falls back to the put by reference when there is no put.
  void PutProperty(std::string_view name, const Variant& value);
};

// Property access on a value that should hold an object: raises 91 when it holds none.
Variant GetProperty(const Variant& object, std::string_view name);
void PutProperty(const Variant& object, std::string_view name, const Variant& value);
// A dotted path: PutPropertyPath(control, {"Font", "Name"}, value) sets control.Font.Name.
void PutPropertyPath(const Variant& object, const std::vector<std::string>& path, const Variant& value);

// An event source: sinks the host advises receive each raised event by dispatch id.
class EventSource {
 public:
  using Sink = std::function<void(int32_t dispid, const Arguments& args)>;
  int Advise(Sink sink);  // returns a cookie
  void Unadvise(int cookie);  // an unknown cookie is ignored
  void Fire(int32_t dispid, const Arguments& args) const;

 private:
  std::vector<std::pair<int, Sink>> sinks_;
  int next_cookie_ = 1;
};

}  // namespace prefdesk::automation
