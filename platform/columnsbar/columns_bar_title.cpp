#include "platform/columnsbar/columns_bar_title.h"

#include <utility>

#include "platform/automation/conversions.h"
#include "platform/automation/error.h"

namespace prefdesk::columnsbar {

using automation::Arguments;
using automation::MemberInfo;
using automation::MemberKind;
using automation::ParamInfo;
using automation::Variant;

ColumnsBarList::ColumnsBarList(std::string name, std::string caption, bool visible,
                               std::string parent_name, bool default_visible)
    : name_(std::move(name)),
      caption_(std::move(caption)),
      visible_(visible),
      parent_name_(std::move(parent_name)),
      default_visible_(default_visible) {
  members_.Add({"Name", 1, MemberKind::PropertyGet, {}, "String"},
               [this](Arguments&) { return Variant(name_); });
  members_.Add({"Caption", 2, MemberKind::PropertyGet, {}, "String"},
               [this](Arguments&) { return Variant(caption_); });
  members_.Add({"Visible", 3, MemberKind::PropertyGet, {}, "Boolean"},
               [this](Arguments&) { return Variant(visible_); });
  members_.Add({"ParentName", 4, MemberKind::PropertyGet, {}, "String"},
               [this](Arguments&) { return Variant(parent_name_); });
  members_.Add({"DefaultVisible", 5, MemberKind::PropertyGet, {}, "Boolean"},
               [this](Arguments&) { return Variant(default_visible_); });
}

ColumnsBarTitle::ColumnsBarTitle(std::string name, std::string caption, bool visible,
                                 std::string tag)
    : name_(std::move(name)), caption_(std::move(caption)), visible_(visible),
      tag_(std::move(tag)) {
  members_.Add({"AddList",
                1,
                MemberKind::Method,
                {ParamInfo{"Name", "String"}, ParamInfo{"Caption", "String"},
                 ParamInfo{"Visible", "Boolean"}, ParamInfo{"ParentName", "String"},
                 ParamInfo{"DefaultVisible", "Boolean"}},
                "Object"},
               [this](Arguments& args) {
                 return Variant(automation::ObjectRef(
                     AddList(automation::CStr(args.at(0)), automation::CStr(args.at(1)),
                             automation::CBool(args.at(2)), automation::CStr(args.at(3)),
                             automation::CBool(args.at(4)))));
               });
  members_.Add({"SetDefaultList", 2, MemberKind::Method, {ParamInfo{"Name", "String"}}, ""},
               [this](Arguments& args) {
                 SetDefaultList(automation::CStr(args.at(0)));
                 return Variant();
               });
  members_.Add({"Name", 3, MemberKind::PropertyGet, {}, "String"},
               [this](Arguments&) { return Variant(name_); });
  members_.Add({"Caption", 4, MemberKind::PropertyGet, {}, "String"},
               [this](Arguments&) { return Variant(caption_); });
  members_.Add({"Visible", 5, MemberKind::PropertyGet, {}, "Boolean"},
               [this](Arguments&) { return Variant(visible_); });
  members_.Add({"DefaultList", 6, MemberKind::PropertyGet, {}, "String"},
               [this](Arguments&) { return Variant(default_list_); });
}

std::shared_ptr<ColumnsBarList> ColumnsBarTitle::FindList(const std::string& name) const {
  for (const auto& list : lists_) {
    if (list->Name() == name) return list;
  }
  return nullptr;
}

std::shared_ptr<ColumnsBarList> ColumnsBarTitle::AddList(const std::string& name,
                                                         const std::string& caption,
                                                         bool visible,
                                                         const std::string& parent_name,
                                                         bool default_visible) {
  auto list = std::make_shared<ColumnsBarList>(name, caption, visible, parent_name,
                                               default_visible);
  if (parent_name.empty()) {
    lists_.push_back(list);
    return list;
  }
  std::shared_ptr<ColumnsBarList> parent = FindList(parent_name);
  if (!parent) {
    automation::Raise(automation::kErrInvalidArgument, "ColumnsBarTitle.AddList",
                      "Title '" + name_ + "' has no list '" + parent_name + "' for '" + name +
                          "'");
  }
  parent->lists_.push_back(list);
  return list;
}

void ColumnsBarTitle::SetDefaultList(const std::string& name) {
  if (!FindList(name)) {
    automation::Raise(automation::kErrInvalidArgument, "ColumnsBarTitle.SetDefaultList",
                      "Title '" + name_ + "' has no list '" + name + "'");
  }
  default_list_ = name;
}

}  // namespace prefdesk::columnsbar
