#include "platform/ui/member_helpers.h"

#include <algorithm>

namespace prefdesk::ui::members {

using automation::Arguments;
using automation::MemberInfo;
using automation::MemberKind;
using automation::ParamInfo;
using automation::Variant;

namespace {

int32_t NextDispid(const automation::MemberTable& table) {
  int32_t highest = 0;
  for (const MemberInfo& info : table.Members()) highest = std::max(highest, info.dispid);
  return highest + 1;
}

void AddGet(automation::MemberTable& table, const std::string& name, int32_t dispid, const std::string& type,
            std::vector<ParamInfo> params, automation::MemberHandler handler) {
  table.Add(MemberInfo{name, dispid, MemberKind::PropertyGet, std::move(params), type}, std::move(handler));
}

void AddPut(automation::MemberTable& table, const std::string& name, int32_t dispid, MemberKind kind,
            const std::string& type, std::vector<ParamInfo> params, automation::MemberHandler handler) {
  params.push_back(ParamInfo{"Value", type});
  table.Add(MemberInfo{name, dispid, kind, std::move(params), ""}, std::move(handler));
}

}  // namespace

void Get(automation::MemberTable& table, const std::string& name, const std::string& type, Getter get) {
  AddGet(table, name, NextDispid(table), type, {}, [get = std::move(get)](Arguments&) { return get(); });
}

void Property(automation::MemberTable& table, const std::string& name, const std::string& type, Getter get,
              Putter put) {
  const int32_t dispid = NextDispid(table);
  AddGet(table, name, dispid, type, {}, [get = std::move(get)](Arguments&) { return get(); });
  AddPut(table, name, dispid, MemberKind::PropertyPut, type, {}, [put = std::move(put)](Arguments& args) {
    put(args.back());
    return Variant();
  });
}

void ObjectProperty(automation::MemberTable& table, const std::string& name, const std::string& type,
                    Getter get, Putter put_ref) {
  const int32_t dispid = NextDispid(table);
  AddGet(table, name, dispid, type, {}, [get = std::move(get)](Arguments&) { return get(); });
  AddPut(table, name, dispid, MemberKind::PropertyPutRef, type, {}, [put = std::move(put_ref)](Arguments& args) {
    put(args.back());
    return Variant();
  });
}

void Indexed(automation::MemberTable& table, const std::string& name, const std::string& type,
             IndexedGetter get, IndexedPutter put) {
  const int32_t dispid = NextDispid(table);
  const std::vector<ParamInfo> index{ParamInfo{"Index", "Long"}};
  AddGet(table, name, dispid, type, index, [get = std::move(get)](Arguments& args) { return get(args.at(0)); });
  if (put) {
    AddPut(table, name, dispid, MemberKind::PropertyPut, type, index, [put = std::move(put)](Arguments& args) {
      put(args.at(0), args.back());
      return Variant();
    });
  }
}

void Method(automation::MemberTable& table, const std::string& name, std::vector<ParamInfo> params,
            std::string result_type, automation::MemberHandler handler) {
  table.Add(MemberInfo{name, NextDispid(table), MemberKind::Method, std::move(params), std::move(result_type)},
            std::move(handler));
}

}  // namespace prefdesk::ui::members
