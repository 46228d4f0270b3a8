// The options dialog with its Appearance tab switched on by the host, on real databases.
#pragma once

#include <string>
#include <vector>

#include "../dialog/option_dialog_fixture.h"
#include "platform/appearancelib/appearance_value_set.h"
#include "src/dialog/frm_option.h"

namespace prefdesk::appearance::testing {

class AppearanceTabTest : public dialog::testing::OptionDialogTest {
 protected:
  explicit AppearanceTabTest(int language = 1033) : OptionDialogTest(language) {
    prefdesk_->SetEnableAppearanceTab(true);
  }

  static appearancelib::AppearanceValueSet& ValueSet(dialog::FrmOption& form) {
    return form.Get<appearancelib::AppearanceValueSet>("AppearanceValueSet1");
  }
  // Picks the listed scheme of that name; fails the test when it is not listed.
  static void PickScheme(dialog::FrmOption& form, const std::string& name) {
    const auto& names = ValueSet(form).SchemeNames();
    for (size_t i = 0; i < names.size(); ++i) {
      if (names[i] == name) {
        EXPECT_TRUE(ValueSet(form).UserSelectScheme(static_cast<int>(i)));
        return;
      }
    }
    ADD_FAILURE() << "no scheme " << name;
  }
  // A user scheme row of user 7 with the given name (as SQL text), list font size and bold flag.
  void InsertUserScheme(const std::string& name, double list_size, int list_bold) const {
    db_.ExecServer("INSERT INTO T_PSCREENSTYLE (F_UID, ScreenStyleName, ColorFormBack, FontNameGrid, "
                   "FontSizeListColumnbar, FontSizeList, FontBoldListColumnbar) VALUES (7, '" + name +
                   "', 255, 'Courier', 99, " + std::to_string(list_size) + ", " + std::to_string(list_bold) +
                   ")");
  }
  std::vector<std::string> WritesOn(const std::string& table) const {
    std::vector<std::string> found;
    for (const std::string& write : Writes()) {
      if (write.find("|" + table + "|") != std::string::npos) found.push_back(write);
    }
    return found;
  }
};

}  // namespace prefdesk::appearance::testing
