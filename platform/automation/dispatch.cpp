#include "platform/automation/dispatch.h"

#include <utility>

#include "platform/automation/conversions.h"
#include "platform/automation/error.h"

namespace prefdesk::automation {
namespace {

// Converts a supplied argument to its parameter's automation type, as a typed late-bound call
// does; types without a conversion (Variant, objects, enumerations) pass unchanged.
Variant CoerceArgument(const Variant& value, const std::string& type) {
  if (type == "Integer") return CInt(value);
  if (type == "Long") return CLng(value);
  if (type == "Single") return CSng(value);
  if (type == "Double") return CDbl(value);
  if (type == "Currency") return CCur(value);
  if (type == "Date") return CDate(value);
  if (type == "String") return CStr(value);
  if (type == "Boolean") return CBool(value);
  return value;
}

size_t RequiredCount(const MemberInfo& member) {
  size_t count = 0;
  for (const ParamInfo& p : member.params) count += p.optional ? 0 : 1;
  return count;
}

template <typename Matches>
const MemberInfo* FindIn(const std::vector<MemberInfo>& infos, MemberKind kind, Matches matches) {
  for (const MemberInfo& info : infos) {
    if (info.kind == kind && matches(info)) return &info;
  }
  return nullptr;
}

// A property read may be answered by a method without arguments and a method call by a
// property read, as scripting hosts ask for either.
template <typename Key>
const MemberInfo* Resolve(const MemberTable& table, Key key, MemberKind kind) {
  if (const MemberInfo* found = table.Find(key, kind)) return found;
  if (kind == MemberKind::Method) return table.Find(key, MemberKind::PropertyGet);
  if (kind == MemberKind::PropertyGet) return table.Find(key, MemberKind::Method);
  return nullptr;
}

const ObjectRef& RequireObject(const Variant& object, const char* source) {
  const ObjectRef* ref = object.Get<ObjectRef>();
  if (ref == nullptr || *ref == nullptr) Raise(kErrObjectRequired, source);
  return *ref;
}

}  // namespace

void MemberTable::Add(MemberInfo info, MemberHandler handler) {
  if (Find(info.dispid, info.kind) != nullptr || Find(info.name, info.kind) != nullptr) {
    Raise(kErrKeyAlreadyUsed, "MemberTable.Add", "Member " + info.name + " is already in the table");
  }
  infos_.push_back(std::move(info));
  handlers_.push_back(std::move(handler));
}

const MemberInfo* MemberTable::Find(std::string_view name, MemberKind kind) const {
  return FindIn(infos_, kind, [name](const MemberInfo& m) { return EqualsIgnoreCase(m.name, name); });
}

const MemberInfo* MemberTable::Find(int32_t dispid, MemberKind kind) const {
  return FindIn(infos_, kind, [dispid](const MemberInfo& m) { return m.dispid == dispid; });
}

Variant MemberTable::Call(const MemberInfo& member, Arguments& args) const {
  size_t index = 0;
  while (index < infos_.size() && &infos_[index] != &member) ++index;
  if (index == infos_.size()) Raise(kErrMemberNotFound, member.name);  // not of this table
  if (args.size() < RequiredCount(member) || args.size() > member.params.size()) {
    Raise(kErrWrongArgumentCount, member.name);
  }
  // The handler always sees every parameter; omitted optional ones are Empty.
  const size_t supplied = args.size();
  Arguments full;
  full.reserve(member.params.size());
  for (size_t i = 0; i < member.params.size(); ++i) {
    full.push_back(i < supplied ? CoerceArgument(args[i], member.params[i].type) : Variant());
  }
  Variant result = handlers_[index](full);
  for (size_t i = 0; i < supplied; ++i) {
    if (member.params[i].direction == ParamDirection::InOut) args[i] = std::move(full[i]);
  }
  return result;
}

Variant Dispatch::Invoke(std::string_view name, MemberKind kind, Arguments& args) {
  const MemberTable& table = Members();
  const MemberInfo* member = Resolve(table, name, kind);
  if (member == nullptr) Raise(kErrMemberNotFound, ClassName());
  return table.Call(*member, args);
}

Variant Dispatch::Invoke(int32_t dispid, MemberKind kind, Arguments& args) {
  const MemberTable& table = Members();
  const MemberInfo* member = Resolve(table, dispid, kind);
  if (member == nullptr) Raise(kErrMemberNotFound, ClassName());
  return table.Call(*member, args);
}

Variant Dispatch::GetProperty(std::string_view name) {
  Arguments args;
  return Invoke(name, MemberKind::PropertyGet, args);
}

void Dispatch::PutProperty(std::string_view name, const Variant& value) {
  const MemberTable& table = Members();
  const MemberInfo* member = table.Find(name, MemberKind::PropertyPut);
  if (member == nullptr && value.IsObject()) member = table.Find(name, MemberKind::PropertyPutRef);
  if (member == nullptr) Raise(kErrMemberNotFound, ClassName());
  Arguments args{value};
  table.Call(*member, args);
}

Variant GetProperty(const Variant& object, std::string_view name) {
  return RequireObject(object, "GetProperty")->GetProperty(name);
}

void PutProperty(const Variant& object, std::string_view name, const Variant& value) {
  RequireObject(object, "PutProperty")->PutProperty(name, value);
}

void PutPropertyPath(const Variant& object, const std::vector<std::string>& path,
                     const Variant& value) {
  if (path.empty()) Raise(kErrInvalidArgument, "PutPropertyPath");
  Variant target = object;
  for (size_t i = 0; i + 1 < path.size(); ++i) target = GetProperty(target, path[i]);
  PutProperty(target, path.back(), value);
}

}  // namespace prefdesk::automation
