// A drop-down list (no free text). Text reads the current item's text; putting Text makes
// the first item equal to it current, or leaves no current item (-1) when none is equal,
// with a Click when the index changes. Member by name besides the list's: Text (get/put).
#pragma once

#include <string>

#include "platform/ui/list_control.h"

namespace prefdesk::ui {

class ComboBox : public ListControl {
 public:
  explicit ComboBox(std::string name);
  std::string ClassName() const override { return "ComboBox"; }

  std::string Text() const { return CurrentText(); }
  void SetText(const std::string& text);
};

}  // namespace prefdesk::ui
