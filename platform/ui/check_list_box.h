// A list box with a check box per item. Putting a check mark fires ItemCheck(index) and
// changes nothing else (every put fires, also one that keeps the mark). A person's click on
// an item's box first makes the item current (Click, when it was not current) and then
// toggles its mark (ItemCheck). Members by name besides the list's: Selected(Index) (get/put),
// Text (get: the current item's text).
#pragma once

#include <functional>
#include <string>

#include "platform/ui/list_control.h"

namespace prefdesk::ui {

class CheckListBox : public ListControl {
 public:
  explicit CheckListBox(std::string name);
  std::string ClassName() const override { return "CheckListBox"; }

  std::string Text() const { return CurrentText(); }

  bool Selected(int index) const;
  void SetSelected(int index, bool checked);

  // A person clicks the check box of an item.
  bool UserToggleCheck(int index);

  std::function<void(int index)> OnItemCheck;
};

}  // namespace prefdesk::ui
