// A list control read as a person reads it, for the dialog tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/list_control.h"

namespace prefdesk::dialog::testing {

// The item texts in list order.
inline std::vector<std::string> Items(const ui::ListControl& list) {
  std::vector<std::string> items;
  for (int i = 0; i < list.ListCount(); ++i) items.push_back(list.List(i));
  return items;
}

// The index of the item with that text; fails the test and gives -1 when there is none.
inline int IndexOf(const ui::ListControl& list, const std::string& text) {
  for (int i = 0; i < list.ListCount(); ++i) {
    if (list.List(i) == text) return i;
  }
  ADD_FAILURE() << "no item \"" << text << "\" in " << list.Name();
  return -1;
}

}  // namespace prefdesk::dialog::testing
