#include "src/columns/layout_filters.h"

#include "platform/automation/conversions.h"
#include "src/storage/sql_literal.h"

namespace prefdesk::columns {
namespace {

constexpr std::string_view kAnd = " And ";

// Appends name's text as a SQL text; a held text is written without a copy.
void AppendName(std::string& text, const automation::Variant& name) {
  if (const std::string* held = name.Get<std::string>()) {
    storage::AppendSqlText(text, *held);
  } else {
    storage::AppendSqlText(text, automation::CStr(name));
  }
}

bool IsBlank(const automation::Variant& name) {
  if (name.IsEmptyOrNull()) return true;
  const std::string* held = name.Get<std::string>();
  return held != nullptr && held->empty();
}

// Appends "Field=" and the quoted name, or "Field" and null_form when the name is empty or
// null.
void AppendTerm(std::string& text, std::string_view field, const automation::Variant& name,
                std::string_view null_form) {
  text += field;
  if (IsBlank(name)) {
    text += null_form;
    return;
  }
  text += '=';
  AppendName(text, name);
}

// Appends "Field=NULL" for a null name, else "Field='name'".
void AppendNullableTerm(std::string& text, std::string_view field,
                        const automation::Variant& name) {
  text += field;
  if (name.IsNull()) {
    text += "=NULL";
    return;
  }
  text += '=';
  AppendName(text, name);
}

}  // namespace

std::string NameCondition(std::string_view field, std::string_view name) {
  std::string text;
  text.reserve(field.size() + name.size() + 3);
  text += field;
  text += '=';
  storage::AppendSqlText(text, name);
  return text;
}

std::string TitleListCondition(std::string_view title, std::string_view list) {
  std::string text = NameCondition("TitleName", title);
  text += kAnd;
  text += "ListName=";
  storage::AppendSqlText(text, list);
  return text;
}

std::string TitleListValueCondition(const automation::Variant& title,
                                    const automation::Variant& list) {
  std::string text;
  AppendNullableTerm(text, "TitleName", title);
  text += kAnd;
  AppendNullableTerm(text, "ListName", list);
  return text;
}

std::string TitleListIdFilter(const automation::Variant& title, const automation::Variant& list) {
  std::string text;
  AppendTerm(text, "TitleName", title, " = NULL");
  text += kAnd;
  AppendTerm(text, "ListName", list, " = NULL");
  return text;
}

std::string TitleListCaptionFilter(const automation::Variant& title,
                                   const automation::Variant& list) {
  std::string text;
  AppendTerm(text, "TitleName", title, "=NULL");
  text += kAnd;
  AppendTerm(text, "ListName", list, "=NULL");
  return text;
}

std::string ListSonFilter(const automation::Variant& title, const automation::Variant& list,
                          const automation::Variant& son) {
  std::string text;
  AppendTerm(text, "TitleName", title, "=NULL");
  text += kAnd;
  AppendTerm(text, "ListName", list, "=NULL");
  text += kAnd;
  if (!IsBlank(title) && !IsBlank(list) && !IsBlank(son)) {
    text += "ListSonName= ";
    AppendName(text, son);
  } else {
    AppendTerm(text, "ListSonName", son, "=NULL");
  }
  return text;
}

}  // namespace prefdesk::columns
