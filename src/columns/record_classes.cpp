#include "src/columns/record_classes.h"

#include "platform/automation/conversions.h"

namespace prefdesk::columns {

namespace {

using automation::Arguments;
using automation::MemberInfo;
using automation::MemberKind;
using automation::MemberTable;
using automation::ParamInfo;
using automation::Variant;

void AddInteger(MemberTable& table, const std::string& name, int32_t dispid, int16_t* field) {
  table.Add(MemberInfo{name, dispid, MemberKind::PropertyGet, {}, "Integer"},
            [field](Arguments&) { return Variant(*field); });
  table.Add(MemberInfo{name, dispid, MemberKind::PropertyPut, {ParamInfo{name, "Integer"}}, ""},
            [field](Arguments& args) {
              *field = automation::CInt(args.at(0));
              return Variant();
            });
}

void AddText(MemberTable& table, const std::string& name, int32_t dispid, std::string* field) {
  table.Add(MemberInfo{name, dispid, MemberKind::PropertyGet, {}, "String"},
            [field](Arguments&) { return Variant(*field); });
  table.Add(MemberInfo{name, dispid, MemberKind::PropertyPut, {ParamInfo{name, "String"}}, ""},
            [field](Arguments& args) {
              *field = automation::CStr(args.at(0));
              return Variant();
            });
}

}  // namespace

clsTitleInfo::clsTitleInfo() : members_(BuildMembers(this)) {}

MemberTable clsTitleInfo::BuildMembers(clsTitleInfo* self) {
  MemberTable table;
  AddInteger(table, "HButtonID", 0x40030000, self ? &self->HButtonID : nullptr);
  AddText(table, "HButtonName", 0x40030001, self ? &self->HButtonName : nullptr);
  return table;
}

MemberTable clsTitleInfo::DescribeMembers() { return BuildMembers(nullptr); }

ClsListInfo::ClsListInfo() : members_(BuildMembers(this)) {}

MemberTable ClsListInfo::BuildMembers(ClsListInfo* self) {
  MemberTable table;
  AddInteger(table, "HButtonID", 0x40030000, self ? &self->HButtonID : nullptr);
  AddInteger(table, "VButtonID", 0x40030001, self ? &self->VButtonID : nullptr);
  AddText(table, "VButtonName", 0x40030002, self ? &self->VButtonName : nullptr);
  return table;
}

MemberTable ClsListInfo::DescribeMembers() { return BuildMembers(nullptr); }

}  // namespace prefdesk::columns
