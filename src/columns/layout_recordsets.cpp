#include "src/columns/layout_recordsets.h"

#include <vector>

#include "platform/ado/types.h"
#include "platform/automation/conversions.h"

namespace prefdesk::columns {
namespace {

constexpr FieldSpec kTitleListFields[] = {
    {"TitleName", ado::adBSTR},      {"TitleID", ado::adInteger},
    {"TitleCaption_C", ado::adBSTR}, {"TitleCaption_E", ado::adBSTR},
    {"TitleVisible", ado::adBoolean}, {"TitleOrder", ado::adInteger},
    {"ListName", ado::adBSTR},       {"ListID", ado::adInteger},
    {"ListCaption_C", ado::adBSTR},  {"ListCaption_E", ado::adBSTR},
    {"ListVisible", ado::adBoolean}, {"DefaultVisible", ado::adBoolean},
    {"ListOrder", ado::adInteger},
};

constexpr FieldSpec kListSonFields[] = {
    {"TitleName", ado::adBSTR},         {"ListName", ado::adBSTR},
    {"ListID", ado::adInteger},         {"ListCaption_C", ado::adBSTR},
    {"ListCaption_E", ado::adBSTR},     {"ListVisible", ado::adBoolean},
    {"ListOrder", ado::adInteger},      {"ListSonName", ado::adBSTR},
    {"ListSonID", ado::adInteger},      {"ListSonCaption_C", ado::adBSTR},
    {"ListSonCaption_E", ado::adBSTR},  {"ListSonVisible", ado::adBoolean},
    {"ListSonOrder", ado::adInteger},
};

automation::Variant Typed(int type, const automation::Variant& value) {
  switch (type) {
    case ado::adInteger:
      return value.IsEmptyOrNull() ? automation::Variant(int32_t{0})
                                   : automation::Variant(automation::CLng(value));
    case ado::adBoolean:
      return value.IsEmptyOrNull() ? automation::Variant(false)
                                   : automation::Variant(automation::CBool(value));
    default:
      return value.IsEmptyOrNull() ? automation::Variant(std::string())
                                   : automation::Variant(automation::CStr(value));
  }
}

}  // namespace

std::shared_ptr<ado::Recordset> NewInMemoryRecordset(std::span<const FieldSpec> fields) {
  auto rs = ado::Recordset::Create();
  for (const FieldSpec& field : fields) rs->GetFields().Append(field.name, field.type, 0, -1);
  rs->Open();
  return rs;
}

std::shared_ptr<ado::Recordset> NewTitleListRecordset() {
  return NewInMemoryRecordset(kTitleListFields);
}

std::shared_ptr<ado::Recordset> NewListSonRecordset() {
  return NewInMemoryRecordset(kListSonFields);
}

void CopyRowByPosition(const ado::Recordset& source, ado::Recordset& target,
                       std::initializer_list<std::string_view> left_out) {
  const ado::Fields& from = source.GetFields();
  ado::Fields& to = target.GetFields();
  std::vector<bool> skipped(from.Count(), false);
  for (std::string_view name : left_out) {
    if (const int index = from.IndexOf(name); index >= 0) skipped[index] = true;
  }
  for (int i = 0; i < from.Count(); ++i) {
    if (skipped[i]) continue;
    ado::Field into = to.Item(i);
    into.SetValue(Typed(into.Type(), from.Item(i).Value()));
  }
}

void PutTyped(ado::Recordset& target, std::string_view field, const automation::Variant& value) {
  ado::Field into = target.GetFields().Item(field);
  into.SetValue(Typed(into.Type(), value));
}

}  // namespace prefdesk::columns
