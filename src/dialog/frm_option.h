// frmOption: the modal, tabbed options window "Column Options". Its tabs: 0 General,
// 1 Appearance, 2 Calendar, 3 Expense report, 4 Startup, 5 Default Query, 6 Column. LoadMe
// fills the Expense report, Startup, Default Query and Column tabs; OK checks the cash
// advance and opens the progress window, whose first activation runs Save: the column layout,
// the start-up choices and the default queries, in one transaction of the data service.
#pragma once

#include <functional>
#include <memory>

#include "platform/ui/window.h"

namespace prefdesk::storage { class DataCenter; }
namespace prefdesk::appearance { class AppearanceTab; }

namespace prefdesk::dialog {

class CalendarTab;
class ColumnsTab;
class DefaultQueryTab;
class ExpenseTab;
class GeneralTab;
class StartupTab;

class FrmOption : public ui::Window {
 public:
  // Creates every control; the window is not loaded yet.
  FrmOption();
  ~FrmOption() override;

  // Runs the tab loaders in order and stops at the first failure. True when one failed (it
  // has shown its error); the window must then not be shown.
  [[nodiscard]] bool LoadMe();
  // Writes the edited settings in one transaction and closes both windows. True when it
  // failed; the outcome reaches ShowOption through the shared outcome flag.
  [[nodiscard]] bool Save();

  // Operations of the tabs that the load and save sequences do not call.
  [[nodiscard]] bool LoadGeneralValue();
  [[nodiscard]] bool LoadCalendarValue();
  void SaveGeneralValue();
  void SaveCalendarValue();
  void SaveExpenseReportValue();
  void SaveStartupValue();
  bool IsEndAfterStart() const;
  // The Appearance tab's loader and save steps. With the host option on (shared state
  // AppearanceTabEnabled) LoadMe runs the loader last, and Save stores the scheme as the
  // user's 'Default' row after the default queries, in its transaction, and hands the values
  // to the component once the transaction is committed.
  [[nodiscard]] bool LoadAppearanceTab();
  void SaveAppearanceValue();
  [[nodiscard]] bool SaveToDefaultScheme();

  GeneralTab& General() const { return *general_; }
  CalendarTab& Calendar() const { return *calendar_; }
  ExpenseTab& Expense() const { return *expense_; }
  StartupTab& Startup() const { return *startup_; }
  DefaultQueryTab& DefaultQuery() const { return *default_query_; }
  ColumnsTab& Columns() const { return *columns_; }
  appearance::AppearanceTab& Appearance() const { return *appearance_; }

  // Called at the end of every unload: the holder of the dialog's shared instance lets go.
  std::function<void()> ReleaseInstance;

 private:
  // frm_option_controls.cpp
  void CreateControls();
  // frm_option_captions.cpp
  void SetCaptions();

  void Form_Load();
  void Form_Unload();
  // Fresh tabs with empty state: at creation and at every unload, which releases the record
  // collections and record sets of the last showing.
  void ResetTabs();
  void CmdOk_Click();
  void cmdCancel_Click();
  [[nodiscard]] bool CheckValues();

  // frm_option_save.cpp
  // Writes the layout when it came from the local defaults or was edited; rewritten tells
  // whether it did. True on failure.
  [[nodiscard]] bool SaveColumnsStep(bool& rewritten);
  bool LayoutChanged() const;
  // Every write of the save and the commit, in one transaction that is rolled back on every
  // way out short of a confirmed commit. True on failure; a failed commit is shown.
  [[nodiscard]] bool WriteAndCommit(storage::DataCenter& dc);
  [[nodiscard]] bool SaveFailed();

  std::unique_ptr<GeneralTab> general_;
  std::unique_ptr<CalendarTab> calendar_;
  std::unique_ptr<ExpenseTab> expense_;
  std::unique_ptr<StartupTab> startup_;
  std::unique_ptr<DefaultQueryTab> default_query_;
  std::unique_ptr<ColumnsTab> columns_;
  std::unique_ptr<appearance::AppearanceTab> appearance_;
};

}  // namespace prefdesk::dialog
