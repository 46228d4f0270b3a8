#include "platform/ui/tab_control.h"

#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#include "platform/automation/member_helpers.h"

namespace prefdesk::ui {

namespace members = automation::members;

using automation::CBool;
using automation::CLng;
using automation::Variant;

TabControl::TabControl(std::string name, int tabs) : Control(ControlKind::TabControl, std::move(name), true) {
  SetTabs(tabs);
  members::Property(Table(), "Tabs", "Integer", [this] { return Variant(static_cast<int16_t>(Tabs())); },
                    [this](const Variant& v) { SetTabs(CLng(v)); });
  members::Property(Table(), "Tab", "Integer", [this] { return Variant(static_cast<int16_t>(tab_)); },
                    [this](const Variant& v) { SetTab(CLng(v)); });
  members::Indexed(
      Table(), "TabCaption", "String", [this](const Variant& i) { return Variant(TabCaption(CLng(i))); },
      [this](const Variant& i, const Variant& v) { SetTabCaption(CLng(i), automation::CStr(v)); });
  members::Indexed(
      Table(), "TabEnabled", "Boolean", [this](const Variant& i) { return Variant(TabEnabled(CLng(i))); },
      [this](const Variant& i, const Variant& v) { SetTabEnabled(CLng(i), CBool(v)); });
}

void TabControl::CheckIndex(int index) const {
  if (index < 0 || index >= Tabs()) {
    automation::Raise(kErrInvalidPropertyArrayIndex, Name(), "Invalid property array index");
  }
}

void TabControl::SetTabs(int count) {
  if (count < 1) automation::Raise(kErrInvalidPropertyValue, Name(), "Invalid property value");
  while (Tabs() < count) pages_.push_back(Page{"Tab " + std::to_string(Tabs())});
  pages_.resize(count);
  NotifyItemsChanged();
  if (tab_ >= count) Show(count - 1);
}

void TabControl::SetTab(int index) {
  CheckIndex(index);
  if (pages_[index].enabled) Show(index);
}

const std::string& TabControl::TabCaption(int index) const {
  CheckIndex(index);
  return pages_[index].caption;
}

void TabControl::SetTabCaption(int index, std::string caption) {
  CheckIndex(index);
  pages_[index].caption = std::move(caption);
  NotifyItemsChanged();
}

bool TabControl::TabEnabled(int index) const {
  CheckIndex(index);
  return pages_[index].enabled;
}

void TabControl::SetTabEnabled(int index, bool enabled) {
  CheckIndex(index);
  if (pages_[index].enabled == enabled) return;
  pages_[index].enabled = enabled;
  NotifyItemsChanged();
  if (enabled || index != tab_) return;
  for (int i = 0; i < Tabs(); ++i) {
    if (pages_[i].enabled) {
      Show(i);
      return;
    }
  }
}

bool TabControl::UserSelectTab(int index) {
  if (!IsUsable() || index < 0 || index >= Tabs() || !pages_[index].enabled) return false;
  Show(index);
  return true;
}

void TabControl::Show(int index) {
  if (index == tab_) return;
  const int previous = tab_;
  tab_ = index;
  NotifyChanged(prop::kTab);
  if (OnClick) OnClick(previous);
}

}  // namespace prefdesk::ui
