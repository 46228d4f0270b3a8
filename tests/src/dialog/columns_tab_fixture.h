// Test fixture for the Column tab: real local and server databases, a shown window holding
// the tab's three lists and twelve buttons, the headless driver, and readers of the lists,
// the working records and the layout rows.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/ado/recordset.h"
#include "platform/ui/ui.h"
#include "src/columns/main_option_column.h"
#include "src/dialog/columns_tab.h"
#include "tests/src/dialog/list_items.h"
#include "support/temp_databases.h"

namespace prefdesk::dialog::testing {

inline constexpr int16_t kUser = 7;

// A window with the controls of the Column tab, named as on the options window.
class ColumnsTabWindow : public ui::Window {
 public:
  ColumnsTabWindow();
  ui::CheckListBox& Titles() const { return Get<ui::CheckListBox>("lstGrandFather"); }
  ui::CheckListBox& Lists() const { return Get<ui::CheckListBox>("lstFather"); }
  ui::CheckListBox& Sons() const { return Get<ui::CheckListBox>("lstSon"); }
  ui::CommandButton& Button(const std::string& name) const { return Get<ui::CommandButton>(name); }
};

class ColumnsTabTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Creates the tab on the window and runs its loader; true when the load failed.
  bool Load();

  // The check marks of a list, in list order.
  static std::vector<bool> Marks(const ui::CheckListBox& list);

  // Working records of a title, of a title and first-level list, or of one second-level list.
  std::vector<columns::clsMainOptionColumn*> RecordsOf(const std::string& title,
                                                       const std::string& list = "*",
                                                       const std::string& son = "*") const;
  // Values of a field of the layout rows matching the names ("*" matches any).
  static std::vector<automation::Variant> RowValues(ado::Recordset& rs, const std::string& field,
                                                    const std::string& title,
                                                    const std::string& list = "*",
                                                    const std::string& son = "*");

  test_support::TempDatabases db_{kUser};
  ui::HeadlessDriver* driver_ = nullptr;
  std::shared_ptr<ColumnsTabWindow> window_;
  std::unique_ptr<ColumnsTab> tab_;
};

}  // namespace prefdesk::dialog::testing
