#include "platform/ui/list_control.h"

#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#include "platform/automation/member_helpers.h"

namespace prefdesk::ui {

namespace members = automation::members;

using automation::Arguments;
using automation::CLng;
using automation::CStr;
using automation::ParamInfo;
using automation::Variant;

ListControl::ListControl(ControlKind kind, std::string name) : Control(kind, std::move(name), true) {
  members::Method(Table(), "AddItem", {ParamInfo{"Item", "String"}, ParamInfo{"Index", "Variant", {}, true}}, "",
                  [this](Arguments& args) {
                    const bool has_index = args.size() > 1 && !args[1].IsEmpty();
                    AddItem(CStr(args.at(0)), has_index ? CLng(args[1]) : -1);
                    return Variant();
                  });
  members::Method(Table(), "RemoveItem", {ParamInfo{"Index", "Long"}}, "", [this](Arguments& args) {
    RemoveItem(CLng(args.at(0)));
    return Variant();
  });
  members::Method(Table(), "Clear", {}, "", [this](Arguments&) {
    Clear();
    return Variant();
  });
  members::Get(Table(), "ListCount", "Long", [this] { return Variant(int32_t{ListCount()}); });
  members::Indexed(
      Table(), "List", "String", [this](const Variant& i) { return Variant(List(CLng(i))); },
      [this](const Variant& i, const Variant& v) { SetList(CLng(i), CStr(v)); });
  members::Indexed(
      Table(), "ItemData", "Long", [this](const Variant& i) { return Variant(ItemData(CLng(i))); },
      [this](const Variant& i, const Variant& v) { SetItemData(CLng(i), CLng(v)); });
  members::Get(Table(), "NewIndex", "Long", [this] { return Variant(int32_t{new_index_}); });
  members::Property(Table(), "ListIndex", "Long", [this] { return Variant(int32_t{list_index_}); },
                    [this](const Variant& v) { SetListIndex(CLng(v)); });
}

void ListControl::CheckIndex(int index) const {
  if (index < 0 || index >= ListCount()) {
    automation::Raise(kErrInvalidPropertyArrayIndex, Name(), "Invalid property array index");
  }
}

int ListControl::AddItem(std::string text, int index) {
  if (index == -1) index = ListCount();
  if (index < 0 || index > ListCount()) {
    automation::Raise(kErrInvalidPropertyArrayIndex, Name(), "Invalid property array index");
  }
  items_.insert(items_.begin() + index, Item{std::move(text)});
  if (list_index_ >= index) ++list_index_;
  new_index_ = index;
  NotifyItemsChanged();
  return index;
}

void ListControl::RemoveItem(int index) {
  CheckIndex(index);
  items_.erase(items_.begin() + index);
  const int before = list_index_;
  if (list_index_ == index) {
    list_index_ = -1;
  } else if (list_index_ > index) {
    --list_index_;
  }
  new_index_ = -1;
  NotifyItemsChanged();
  if (list_index_ != before) NotifyChanged(prop::kListIndex);
}

void ListControl::Clear() {
  const bool had_current = list_index_ != -1;
  items_.clear();
  list_index_ = -1;
  new_index_ = -1;
  NotifyItemsChanged();
  if (had_current) NotifyChanged(prop::kListIndex);
}

const std::string& ListControl::List(int index) const {
  CheckIndex(index);
  return items_[index].text;
}

void ListControl::SetList(int index, std::string text) {
  CheckIndex(index);
  items_[index].text = std::move(text);
  NotifyItemsChanged();
}

int32_t ListControl::ItemData(int index) const {
  CheckIndex(index);
  return items_[index].data;
}

void ListControl::SetItemData(int index, int32_t data) {
  CheckIndex(index);
  items_[index].data = data;
}

void ListControl::SetListIndex(int index) {
  if (index < -1 || index >= ListCount()) {
    automation::Raise(kErrInvalidPropertyValue, Name(), "Invalid property value");
  }
  if (index == list_index_) return;
  list_index_ = index;
  NotifyChanged(prop::kListIndex);
  if (OnClick) OnClick();
}

std::string ListControl::CurrentText() const { return list_index_ >= 0 ? items_[list_index_].text : std::string(); }

bool ListControl::UserSelect(int index) {
  if (!IsUsable() || index < 0 || index >= ListCount()) return false;
  SetListIndex(index);
  return true;
}

}  // namespace prefdesk::ui
