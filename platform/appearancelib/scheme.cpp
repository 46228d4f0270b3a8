#include "platform/appearancelib/scheme.h"

#include <string>

#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#include "platform/automation/member_helpers.h"

namespace prefdesk::appearancelib {

namespace members = automation::members;

using automation::Variant;

const std::array<SchemeColumn, kSchemeColumnCount>& SchemeColumns() {
  static const std::array<SchemeColumn, kSchemeColumnCount> columns{{
      {"Name", "String"},
      {"ScreenStyleNameChinese", "String"},
      {"ScreenStyleNameEnglish", "String"},
      {"ColorFormBack", "Long"},
      {"ColorPopFormBack", "Long"},
      {"FontPopNameFrom", "String"},
      {"FontPopSizeFrom", "Single"},
      {"FontNameCaption", "String"},
      {"FontBoldCaption", "Boolean"},
      {"FontSizeCaption", "Single"},
      {"ColorCaption", "Long"},
      {"ColorAlternatingBackgroundGrid", "Long"},
      {"ColorBackgroundGrid", "Long"},
      {"ColorChevronGrid", "Long"},
      {"ColorHyperLinkGrid", "Long"},
      {"ColorLockedBackgroundGrid", "Long"},
      {"ColorNormalTextGrid", "Long"},
      {"ColorRowSelectionGrid", "Long"},
      {"ColorsMultiRowSelectionGrid", "Long"},
      {"ColorTitleGrid", "Long"},
      {"ColorTitleTextGrid", "Long"},
      {"FontNameGrid", "String"},
      {"FontSizeGrid", "Single"},
      {"ColorBackgroundSheet", "Long"},
      {"ColorActiveSheet", "Long"},
      {"ColorTitleTextSheet", "Single"},
      {"FontNameSheet", "String"},
      {"FontSizeSheet", "Single"},
      {"ColorBackgroundChart", "Long"},
      {"ColorTitleTextChart", "Single"},
      {"FontNameChart", "String"},
      {"FontSizeChart", "Single"},
      {"ColorTitleBackgroundColumnbar", "Long"},
      {"ColorTitleTextColumnbar", "Long"},
      {"ColorTitleBorderColumnbar", "Long"},
      {"ColorTitleActiveColumnbar", "Long"},
      {"ColorTitleFocusColumnbar", "Long"},
      {"FontNameTitleColumnbar", "String"},
      {"FontSizeTitleColumnbar", "Single"},
      {"FontBoldTitleColumnbar", "Boolean"},
      {"ColorListBackgroundColumnbar", "Long"},
      {"ColorListTextColumnbar", "Long"},
      {"ColorListBorderColumnbar", "Long"},
      {"ColorListActiveColumnbar", "Long"},
      {"ColorListFocusColumnbar", "Long"},
      {"FontNameListColumnbar", "String"},
      {"FontSizeListColumnbar", "Single"},
      {"FontBoldListColumnbar", "Boolean"},
  }};
  return columns;
}

int SchemeColumnIndex(std::string_view name) {
  const auto& columns = SchemeColumns();
  for (int i = 0; i < kSchemeColumnCount; ++i) {
    if (automation::EqualsIgnoreCase(columns[static_cast<size_t>(i)].name, name)) return i;
  }
  return -1;
}

Variant ConvertToColumnType(std::string_view type, const Variant& value) {
  if (value.IsNull()) return ConvertToColumnType(type, Variant());
  if (type == "Long") return Variant(automation::CLng(value));
  if (type == "Single") return Variant(automation::CSng(value));
  if (type == "Boolean") return Variant(automation::CBool(value));
  return Variant(automation::CStr(value));
}

Scheme::Scheme() {
  for (const SchemeColumn& column : SchemeColumns()) {
    values_.push_back(ConvertToColumnType(column.type, Variant()));
  }
  for (int i = 0; i < kSchemeColumnCount; ++i) {
    const SchemeColumn& column = SchemeColumns()[static_cast<size_t>(i)];
    members::Property(members_, std::string(column.name), std::string(column.type),
                          [this, i] { return ValueAt(i); },
                          [this, i](const Variant& v) { SetValueAt(i, v); });
  }
}

int Scheme::IndexOrRaise(std::string_view name) const {
  const int index = SchemeColumnIndex(name);
  if (index < 0) automation::Raise(automation::kErrMemberNotFound, "Scheme", std::string(name));
  return index;
}

const Variant& Scheme::Value(std::string_view name) const { return ValueAt(IndexOrRaise(name)); }

void Scheme::SetValue(std::string_view name, const Variant& value) { SetValueAt(IndexOrRaise(name), value); }

void Scheme::SetValueAt(int index, const Variant& value) {
  const SchemeColumn& column = SchemeColumns().at(static_cast<size_t>(index));
  values_.at(static_cast<size_t>(index)) = ConvertToColumnType(column.type, value);
}

}  // namespace prefdesk::appearancelib
