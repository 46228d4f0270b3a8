#include "platform/columnsbar/columns_bar.h"

#include "platform/automation/conversions.h"
#include "platform/automation/error.h"

namespace prefdesk::columnsbar {

using automation::Arguments;
using automation::MemberKind;
using automation::ParamInfo;
using automation::Variant;

ColumnsBar::ColumnsBar() {
  ParamInfo tag{"Tag", "Variant"};
  tag.optional = true;
  members_.Add({"AddTitle",
                1,
                MemberKind::Method,
                {ParamInfo{"Name", "String"}, ParamInfo{"Caption", "String"},
                 ParamInfo{"Visible", "Boolean"}, tag},
                "Object"},
               [this](Arguments& args) {
                 return Variant(automation::ObjectRef(AddTitle(
                     automation::CStr(args.at(0)), automation::CStr(args.at(1)),
                     automation::CBool(args.at(2)), args.size() > 3 ? args[3] : Variant())));
               });
  members_.Add({"Count", 2, MemberKind::PropertyGet, {}, "Long"},
               [this](Arguments&) { return Variant(Count()); });
  members_.Add({"Item", 3, MemberKind::PropertyGet, {ParamInfo{"Index", "Long"}}, "Object"},
               [this](Arguments& args) {
                 int32_t index = automation::CLng(args.at(0));
                 if (index < 1 || index > Count()) {
                   automation::Raise(automation::kErrSubscriptOutOfRange, "ColumnsBar.Item",
                                     "Subscript out of range");
                 }
                 return Variant(automation::ObjectRef(titles_[index - 1]));
               });
  members_.Add({"ToText", 4, MemberKind::Method, {}, "String"},
               [this](Arguments&) { return Variant(ToText()); });
  members_.Add({"ToJson", 5, MemberKind::Method, {}, "String"},
               [this](Arguments&) { return Variant(ToJson()); });
}

std::shared_ptr<ColumnsBarTitle> ColumnsBar::AddTitle(const std::string& name,
                                                      const std::string& caption, bool visible,
                                                      const automation::Variant& tag) {
  auto title = std::make_shared<ColumnsBarTitle>(
      name, caption, visible, tag.IsEmptyOrNull() ? std::string() : automation::CStr(tag));
  titles_.push_back(title);
  return title;
}

}  // namespace prefdesk::columnsbar
