#include "platform/appearancelib/appearance_value_set.h"

#include <charconv>

#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#include "platform/automation/member_helpers.h"

namespace prefdesk::appearancelib {

namespace members = automation::members;

using automation::Arguments;
using automation::ParamDirection;
using automation::ParamInfo;
using automation::Variant;

namespace {

constexpr float kMinFontSize = 1;
constexpr float kMaxFontSize = 72;

std::string SingleLiteral(float value) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

bool IsFontSize(std::string_view name) {
  const std::string upper = automation::UCase(name);
  return upper.starts_with("FONT") && upper.find("SIZE") != std::string::npos;
}

bool IsFontName(std::string_view name) {
  const std::string upper = automation::UCase(name);
  return upper.starts_with("FONT") && upper.find("NAME") != std::string::npos;
}

}  // namespace

AppearanceValueSet::AppearanceValueSet(std::string name, ValueSetEnvironment environment)
    : AppearanceControl(std::move(name)), environment_(std::move(environment)) {
  AddMembers();
}

void AppearanceValueSet::AddMembers() {
  members::Get(Table(), "SelectedSchemeName", "String", [this] { return Variant(SelectedSchemeName()); });
  members::Method(Table(), "ShowDefaultSchemes", {ParamInfo{"Schemes", "Object"}}, "", [this](Arguments& args) {
    ShowDefaultSchemes(ObjectAs<SchemeCollection>(args[0]).get());
    return Variant();
  });
  members::Method(Table(), "ShowUserSchemes", {ParamInfo{"Recordset", "Object"}}, "", [this](Arguments& args) {
    ShowUserSchemes(ObjectAs<ado::Recordset>(args[0]).get());
    return Variant();
  });
  members::Method(Table(), "GetInsertLists",
                      {ParamInfo{"Columns", "String", ParamDirection::InOut},
                       ParamInfo{"Values", "String", ParamDirection::InOut}},
                      "", [this](Arguments& args) {
                        std::string columns;
                        std::string values;
                        GetInsertLists(columns, values);
                        args[0] = Variant(columns);
                        args[1] = Variant(values);
                        return Variant();
                      });
  members::Method(Table(), "GetUpdateList", {}, "String", [this](Arguments&) { return Variant(GetUpdateList()); });
  members::Method(Table(), "AddUserScheme", {ParamInfo{"Name", "String"}}, "", [this](Arguments& args) {
    AddUserScheme(automation::CStr(args[0]));
    return Variant();
  });
}

std::string AppearanceValueSet::SelectedSchemeName() const {
  return selected_ >= 0 ? names_[static_cast<size_t>(selected_)] : std::string();
}

void AppearanceValueSet::ShowDefaultSchemes(const SchemeCollection* schemes) {
  if (schemes == nullptr) automation::Raise(automation::kErrObjectRequired, ClassName());
  const bool chinese = environment_.chinese_names && environment_.chinese_names();
  std::vector<std::string> names;
  for (int i = 1; i <= schemes->Count(); ++i) {
    const SchemeRef scheme = schemes->Item(i);
    names.push_back(automation::CStr(scheme->Value(chinese ? "ScreenStyleNameChinese" : "ScreenStyleNameEnglish")));
  }
  names_ = std::move(names);
  selected_ = -1;
  listing_ = Listing::kSystemSchemes;
  NotifyItemsChanged();
}

void AppearanceValueSet::ShowUserSchemes(ado::Recordset* rs) {
  if (rs == nullptr) automation::Raise(automation::kErrObjectRequired, ClassName());
  std::vector<std::string> names;
  if (rs->RecordCount() > 0) rs->MoveFirst();
  for (; !rs->IsEOF(); rs->MoveNext()) names.push_back(automation::CStr((*rs)["ScreenStyleName"]));
  names_ = std::move(names);
  selected_ = -1;
  listing_ = Listing::kUserSchemes;
  NotifyItemsChanged();
}

void AppearanceValueSet::AddUserScheme(const std::string& name) {
  if (listing_ != Listing::kUserSchemes) return;
  for (size_t i = 0; i < names_.size(); ++i) {
    if (names_[i] == name) return;
  }
  names_.push_back(name);
  selected_ = static_cast<int>(names_.size()) - 1;
  NotifyItemsChanged();
}

std::vector<std::pair<std::string, std::string>> AppearanceValueSet::ValueColumns() const {
  const SchemeRef& scheme = CurrentScheme();
  if (!scheme) automation::Raise(automation::kErrObjectRequired, ClassName());
  if (!environment_.text_literal) {
    automation::Raise(automation::kErrInvalidArgument, ClassName(), "No writer of text literals is set");
  }
  std::vector<std::pair<std::string, std::string>> columns;
  std::string list_font_size;
  for (int i = kSchemeNameCount; i < kSchemeColumnCount; ++i) {
    const SchemeColumn& column = SchemeColumns()[static_cast<size_t>(i)];
    const Variant& value = scheme->ValueAt(i);
    std::string literal;
    if (column.type == "Long") {
      literal = std::to_string(automation::CLng(value));
    } else if (column.type == "Single") {
      literal = SingleLiteral(automation::CSng(value));
    } else if (column.type == "Boolean") {
      literal = automation::CBool(value) ? "1" : "0";
    } else {
      literal = environment_.text_literal(automation::CStr(value));
    }
    if (column.name == "FontSizeListColumnbar") list_font_size = literal;
    columns.emplace_back(column.name, std::move(literal));
  }
  columns.emplace_back("FontSizeList", list_font_size);
  return columns;
}

void AppearanceValueSet::GetInsertLists(std::string& columns, std::string& values) const {
  std::string names;
  std::string literals;
  for (const auto& [name, literal] : ValueColumns()) {
    if (!names.empty()) {
      names += ',';
      literals += ',';
    }
    names += name;
    literals += literal;
  }
  columns = std::move(names);
  values = std::move(literals);
}

std::string AppearanceValueSet::GetUpdateList() const {
  std::string assignments;
  for (const auto& [name, literal] : ValueColumns()) {
    if (!assignments.empty()) assignments += ',';
    assignments += name + "=" + literal;
  }
  return assignments;
}

void AppearanceValueSet::Fire(int32_t dispid, Arguments args) const { events_.Fire(dispid, args); }

bool AppearanceValueSet::UserSelectScheme(int index) {
  if (!IsUsable() || index < 0 || index >= static_cast<int>(names_.size())) return false;
  selected_ = index;
  NotifyItemsChanged();
  Fire(kDispidSchemeCommand, {Variant(std::string(kCommandScheme))});
  return true;
}

bool AppearanceValueSet::UserCommand(std::string_view command) {
  if (!IsUsable()) return false;
  Fire(kDispidSchemeCommand, {Variant(std::string(command))});
  return true;
}

bool AppearanceValueSet::UserEditValue(std::string_view name, const std::string& text) {
  if (!IsUsable()) return false;
  const SchemeRef& scheme = CurrentScheme();
  const int index = SchemeColumnIndex(name);
  if (!scheme || index < kSchemeNameCount) {
    Fire(kDispidErrorOccurred, {Variant(ClassName()), Variant(automation::kErrInvalidArgument),
                                Variant("There is no value " + std::string(name) + " to edit.")});
    return true;
  }
  Variant value;
  try {
    value = ConvertToColumnType(SchemeColumns()[static_cast<size_t>(index)].type, Variant(text));
  } catch (const automation::AutomationError& error) {
    Fire(kDispidErrorOccurred, {Variant(ClassName()), Variant(error.Number()), Variant(error.Description())});
    return true;
  }
  if (IsFontSize(name) && (automation::CSng(value) < kMinFontSize || automation::CSng(value) > kMaxFontSize)) {
    Fire(kDispidMessageShown, {Variant(ClassName()), Variant("The font size must be between 1 and 72.")});
    return true;
  }
  if (IsFontName(name) && text.empty()) {
    Fire(kDispidMessageShown, {Variant(ClassName()), Variant("Please choose a font.")});
    return true;
  }
  scheme->SetValueAt(index, value);
  NotifyChanged("CurrentScheme");
  return true;
}

}  // namespace prefdesk::appearancelib
