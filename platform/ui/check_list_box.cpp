#include "platform/ui/check_list_box.h"

#include "platform/automation/conversions.h"
#include "platform/automation/member_helpers.h"

namespace prefdesk::ui {

namespace members = automation::members;

using automation::CBool;
using automation::CLng;
using automation::Variant;

CheckListBox::CheckListBox(std::string name) : ListControl(ControlKind::CheckListBox, std::move(name)) {
  members::Indexed(
      Table(), "Selected", "Boolean", [this](const Variant& i) { return Variant(Selected(CLng(i))); },
      [this](const Variant& i, const Variant& v) { SetSelected(CLng(i), CBool(v)); });
  members::Get(Table(), "Text", "String", [this] { return Variant(CurrentText()); });
}

bool CheckListBox::Selected(int index) const {
  CheckIndex(index);
  return Items()[index].checked;
}

void CheckListBox::SetSelected(int index, bool checked) {
  CheckIndex(index);
  if (Items()[index].checked != checked) {
    Items()[index].checked = checked;
    NotifyItemsChanged();
  }
  if (OnItemCheck) OnItemCheck(index);
}

bool CheckListBox::UserToggleCheck(int index) {
  if (!IsUsable() || index < 0 || index >= ListCount()) return false;
  SetListIndex(index);
  // The click handler may have refilled the list; the box clicked is the one now at index.
  if (index < ListCount()) SetSelected(index, !Items()[index].checked);
  return true;
}

}  // namespace prefdesk::ui
