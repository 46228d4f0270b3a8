// The controls of the options window, tab by tab, with their places.
#include <string>
#include <tuple>

#include "platform/appearancelib/appearance_value_set.h"
#include "platform/ui/check_list_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/simple_controls.h"
#include "platform/ui/tab_control.h"
#include "platform/ui/text_box.h"
#include "src/dialog/frm_option.h"
#include "src/resources/strings.h"
#include "src/storage/sql_literal.h"

namespace prefdesk::dialog {
namespace {

constexpr int kTabCount = 7;

struct Placer {
  ui::Window& window;

  template <typename T>
  T& Put(const char* name, ui::Container where, ui::Rect bounds) {
    auto control = window.Add<T>(name, where);
    control->SetBounds(bounds);
    return *control;
  }
  ui::Frame& Frame(const char* name, ui::Control& tabs, int tab, ui::Rect bounds) {
    return Put<ui::Frame>(name, {&tabs, tab}, bounds);
  }
  // A label, an hour list, ":" and a minute list on one row of a frame.
  void TimeRow(ui::Control& frame, const char* label, const char* hour, const char* colon,
               const char* minute, int top) {
    Put<ui::Label>(label, {&frame}, {12, top, 170, 20});
    Put<ui::ComboBox>(hour, {&frame}, {190, top, 60, 22});
    Put<ui::Label>(colon, {&frame}, {254, top, 8, 20}).SetCaption(":");
    Put<ui::ComboBox>(minute, {&frame}, {264, top, 60, 22});
  }
  // A label and a drop-down list on one row of a container.
  void ListRow(ui::Container where, const char* label, const char* list, int top) {
    Put<ui::Label>(label, where, {12, top, 170, 20});
    Put<ui::ComboBox>(list, where, {190, top, 250, 22});
  }
  // A label, a check list and its four move buttons in a column of the Column tab.
  void ColumnList(ui::Control& frame, const char* label, const char* list, const char* prefix,
                  int left) {
    Put<ui::Label>(label, {&frame}, {left, 20, 140, 20});
    Put<ui::CheckListBox>(list, {&frame}, {left, 42, 120, 210});
    int top = 42;
    for (const char* move : {"Top", "Up", "Down", "Bottom"}) {
      Put<ui::CommandButton>((std::string("cmd") + prefix + move).c_str(), {&frame},
                             {left + 124, top, 24, 24});
      top += 30;
    }
  }
};

}  // namespace

void FrmOption::CreateControls() {
  SetBounds({0, 0, 520, 420});
  Placer at{*this};
  auto& tabs = at.Put<ui::TabControl>("SSTab1", {}, {8, 8, 504, 340});
  tabs.SetTabs(kTabCount);
  auto& ok = at.Put<ui::CommandButton>("CmdOk", {}, {330, 358, 84, 26});
  ok.SetDefault(true);
  auto& cancel = at.Put<ui::CommandButton>("cmdCancel", {}, {424, 358, 84, 26});
  cancel.SetCancel(true);

  // 0 General
  auto& general = at.Frame("famGeneral", tabs, 0, {12, 36, 480, 60});
  at.ListRow({&general}, "lblGeneral", "cboHisRecords", 24);
  auto& comparison = at.Frame("famProductComparisonRecords", tabs, 0, {12, 100, 480, 60});
  at.ListRow({&comparison}, "lblProductComparisonRecords", "cboProductComparisonRecords", 24);
  auto& forecast = at.Frame("famForecast", tabs, 0, {12, 164, 480, 120});
  int top = 24;
  for (auto [label, list, unit] : {std::tuple{"lblForecast1", "cboFMonth", "lblForecastMonth"},
                                   std::tuple{"lblForecast2", "cboFQuarter", "lblForecastQuarter"},
                                   std::tuple{"lblForecast3", "cboFYear", "lblForecastYear"}}) {
    at.Put<ui::Label>(label, {&forecast}, {12, top, 170, 20});
    at.Put<ui::ComboBox>(list, {&forecast}, {190, top, 60, 22});
    at.Put<ui::Label>(unit, {&forecast}, {256, top, 80, 20});
    top += 30;
  }

  // 1 Appearance: the scheme chooser with its values, and the preview beside it. The value
  // lists quote texts with the component's literal writer.
  Add<appearancelib::AppearanceValueSet>(
      "AppearanceValueSet1", {&tabs, 1},
      appearancelib::ValueSetEnvironment{storage::SqlText, resources::IsChinese})
      ->SetBounds({12, 36, 236, 290});
  at.Put<appearancelib::Appearance>("Appearance1", {&tabs, 1}, {256, 36, 236, 290});

  // 2 Calendar
  auto& scheduling = at.Frame("famScheduling", tabs, 2, {12, 36, 480, 170});
  at.ListRow({&scheduling}, "lblTimeInterval", "cboTimeInterval", 24);
  at.TimeRow(scheduling, "lblAptDut", "cboAptDutHour", "Label3", "cboAptDutMin", 54);
  at.TimeRow(scheduling, "lblStart", "cboStartHour", "Label5", "cboStartMin", 84);
  at.TimeRow(scheduling, "lblEnd", "cboEndHour", "Label7", "cboEndMin", 114);
  at.Put<ui::Label>("Label11", {&scheduling}, {254, 144, 8, 20}).SetCaption(":");
  auto& alarm = at.Frame("famAlarm", tabs, 2, {12, 212, 480, 60});
  at.TimeRow(alarm, "lblAlarm", "cboAlarmHour", "Label9", "cboAlarmMin", 24);

  // 3 Expense report
  auto& expense = at.Frame("famExpense", tabs, 3, {12, 36, 480, 90});
  at.Put<ui::Label>("lblCharge", {&expense}, {12, 24, 170, 20});
  at.Put<ui::TextBox>("txtCharge", {&expense}, {190, 24, 250, 22});
  at.Put<ui::Label>("lblCash", {&expense}, {12, 54, 170, 20});
  at.Put<ui::TextBox>("txtCash", {&expense}, {190, 54, 250, 22});

  // 4 Startup
  at.ListRow({&tabs, 4}, "lblStartup", "cboStartup", 40);
  auto& start_default = at.Frame("famStartDefault", tabs, 4, {12, 76, 480, 90});
  at.ListRow({&start_default}, "lblStartup_Screen", "cboStartupScreen", 24);
  at.ListRow({&start_default}, "lblDefaultStartup", "cboDefaultStartup", 54);

  // 5 Default Query
  auto& query = at.Frame("famQuery", tabs, 5, {12, 36, 480, 90});
  at.ListRow({&query}, "lblQueryScreen", "cboQueryScreen", 24);
  at.ListRow({&query}, "lblDefaultQuery", "cboDefaultQuery", 54);

  // 6 Column
  auto& columns = at.Frame("famColumnVisible", tabs, 6, {12, 36, 480, 290});
  at.ColumnList(columns, "lblGrandFatherColumn", "lstGrandFather", "GrandFather", 8);
  at.ColumnList(columns, "lblFatherColumn", "lstFather", "Father", 164);
  at.ColumnList(columns, "lblSonColumn", "lstSon", "Son", 320);
}

}  // namespace prefdesk::dialog
