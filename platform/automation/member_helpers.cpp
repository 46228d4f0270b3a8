#include "platform/automation/member_helpers.h"

#include <algorithm>

namespace prefdesk::automation::members {

namespace {

int32_t NextDispid(const MemberTable& table) {
  int32_t highest = 0;
  for (const MemberInfo& info : table.Members()) highest = std::max(highest, info.dispid);
  return highest + 1;
}

void AddGet(MemberTable& table, const std::string& name, int32_t dispid, const std::string& type,
            std::vector<ParamInfo> params, MemberHandler handler) {
  table.Add(MemberInfo{name, dispid, MemberKind::PropertyGet, std::move(params), type}, std::move(handler));
}

void AddPut(MemberTable& table, const std::string& name, int32_t dispid, const PutSpec& spec,
            const std::string& type, std::vector<ParamInfo> params, MemberHandler handler) {
  params.push_back(ParamInfo{spec.value_name, type});
  table.Add(MemberInfo{name, dispid, spec.kind, std::move(params), ""}, std::move(handler));
}

}  // namespace

ParamInfo In(std::string name, std::string type, bool optional) {
  return ParamInfo{std::move(name), std::move(type), ParamDirection::In, optional};
}

ParamInfo InOut(std::string name, std::string type) {
  return ParamInfo{std::move(name), std::move(type), ParamDirection::InOut, false};
}

void Get(MemberTable& table, const std::string& name, int32_t dispid, const std::string& type,
         Getter get) {
  AddGet(table, name, dispid, type, {}, [get = std::move(get)](Arguments&) { return get(); });
}

void Put(MemberTable& table, const std::string& name, int32_t dispid, const std::string& type,
         Putter put, const PutSpec& spec) {
  AddPut(table, name, dispid, spec, type, {}, [put = std::move(put)](Arguments& args) {
    put(args.back());
    return Variant();
  });
}

void Property(MemberTable& table, const std::string& name, int32_t dispid, const std::string& type,
              Getter get, Putter put, const PutSpec& spec) {
  Get(table, name, dispid, type, std::move(get));
  Put(table, name, dispid, type, std::move(put), spec);
}

void Method(MemberTable& table, const std::string& name, int32_t dispid, std::vector<ParamInfo> params,
            std::string result_type, MemberHandler handler) {
  table.Add(MemberInfo{name, dispid, MemberKind::Method, std::move(params), std::move(result_type)},
            std::move(handler));
}

void Get(MemberTable& table, const std::string& name, const std::string& type, Getter get) {
  Get(table, name, NextDispid(table), type, std::move(get));
}

void Property(MemberTable& table, const std::string& name, const std::string& type, Getter get,
              Putter put) {
  Property(table, name, NextDispid(table), type, std::move(get), std::move(put));
}

void ObjectProperty(MemberTable& table, const std::string& name, const std::string& type,
                    Getter get, Putter put_ref) {
  Property(table, name, NextDispid(table), type, std::move(get), std::move(put_ref),
           PutSpec{MemberKind::PropertyPutRef});
}

void Indexed(MemberTable& table, const std::string& name, int32_t dispid, const std::string& type,
             const ParamInfo& index, IndexedGetter get, IndexedPutter put) {
  AddGet(table, name, dispid, type, {index}, [get = std::move(get)](Arguments& args) { return get(args.at(0)); });
  if (put) {
    AddPut(table, name, dispid, PutSpec{}, type, {index}, [put = std::move(put)](Arguments& args) {
      put(args.at(0), args.back());
      return Variant();
    });
  }
}

void Indexed(MemberTable& table, const std::string& name, const std::string& type,
             IndexedGetter get, IndexedPutter put) {
  Indexed(table, name, NextDispid(table), type, ParamInfo{"Index", "Long"}, std::move(get), std::move(put));
}

void Method(MemberTable& table, const std::string& name, std::vector<ParamInfo> params,
            std::string result_type, MemberHandler handler) {
  Method(table, name, NextDispid(table), std::move(params), std::move(result_type), std::move(handler));
}

}  // namespace prefdesk::automation::members
