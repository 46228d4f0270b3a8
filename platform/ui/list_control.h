// The item list shared by the drop-down list and the check list: item texts with item data,
// the current item (ListIndex, -1 for none) and the index of the last item added (NewIndex).
//
// Click fires when ListIndex changes through a put (of ListIndex, or of Text on a drop-down
// list) or through a person's choice; a put of the index it already has fires nothing.
// Clearing the list or removing the current item leaves ListIndex -1 without a Click.
//
// Members by name: AddItem(Item, [Index]), RemoveItem(Index), Clear(), ListCount (get),
// List(Index) (get/put), ItemData(Index) (get/put), NewIndex (get), ListIndex (get/put).
// An index out of range raises 381; a ListIndex below -1 or past the end raises 380.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/control.h"
#include "platform/ui/errors.h"

namespace prefdesk::ui {

class ListControl : public Control {
 public:
  // Adds an item at `index` (-1: at the end); returns its index, also kept as NewIndex.
  // Items behind it move down; the current item stays the same item.
  int AddItem(std::string text, int index = -1);
  // Removes one item; the current item stays the same item, or none (-1) when it was this one.
  void RemoveItem(int index);
  void Clear();

  int ListCount() const { return static_cast<int>(items_.size()); }
  const std::string& List(int index) const;
  void SetList(int index, std::string text);
  int32_t ItemData(int index) const;
  void SetItemData(int index, int32_t data);
  int NewIndex() const { return new_index_; }

  int ListIndex() const { return list_index_; }
  void SetListIndex(int index);
  // The text of the current item, empty when there is none.
  std::string CurrentText() const;

  // A person picks an item (a click on its text): makes it current, when the control is usable.
  bool UserSelect(int index);

  std::function<void()> OnClick;

 protected:
  ListControl(ControlKind kind, std::string name);

  struct Item {
    std::string text;
    int32_t data = 0;
    bool checked = false;
  };
  std::vector<Item>& Items() { return items_; }
  const std::vector<Item>& Items() const { return items_; }
  void CheckIndex(int index) const;  // raises 381 when out of range

 private:
  std::vector<Item> items_;
  int list_index_ = -1;
  int new_index_ = -1;
};

}  // namespace prefdesk::ui
