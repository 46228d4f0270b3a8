#include "src/columns/record_classes.h"

#include "platform/automation/conversions.h"
#include "platform/automation/member_helpers.h"

namespace prefdesk::columns {

namespace {

using automation::MemberTable;
using automation::Variant;
namespace members = automation::members;

// A field of the record as a property whose put names its value after the property.
void AddInteger(MemberTable& table, const std::string& name, int32_t dispid, int16_t* field) {
  members::Property(
      table, name, dispid, "Integer", [field] { return Variant(*field); },
      [field](const Variant& value) { *field = automation::CInt(value); },
      members::PutSpec{automation::MemberKind::PropertyPut, name});
}

void AddText(MemberTable& table, const std::string& name, int32_t dispid, std::string* field) {
  members::Property(
      table, name, dispid, "String", [field] { return Variant(*field); },
      [field](const Variant& value) { *field = automation::CStr(value); },
      members::PutSpec{automation::MemberKind::PropertyPut, name});
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
