// The error windows the headless front end has shown, as the tests compare them.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/headless_driver.h"

namespace prefdesk::test_support {

// Each error window shown so far, as "caption|title line|description".
inline std::vector<std::string> ShownErrors(const ui::HeadlessDriver& driver) {
  std::vector<std::string> shown;
  for (const ui::JournalEntry& entry : driver.ModalWindows()) {
    if (entry.window_name != "FrmShowErr") continue;
    std::string title, description;
    for (const auto& [name, value] : entry.text_boxes) {
      if (name == "Txt_Title") title = value;
      if (name == "Txt_ErrDescription") description = value;
    }
    shown.push_back(entry.caption + "|" + title + "|" + description);
  }
  return shown;
}

}  // namespace prefdesk::test_support
