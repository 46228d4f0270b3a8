// SetCaptions: every caption of the options window from the string table.
#include <utility>

#include "platform/ui/simple_controls.h"
#include "platform/ui/tab_control.h"
#include "src/dialog/frm_option.h"
#include "src/resources/strings.h"

namespace prefdesk::dialog {
namespace {

// Frames and labels with their string entries, in the order the captions are put.
constexpr std::pair<const char*, int> kCaptions[] = {
    {"famGeneral", 2010},
    {"lblGeneral", 2011},
    {"famProductComparisonRecords", 2400},
    {"lblProductComparisonRecords", 2401},
    {"famForecast", 2402},
    {"lblForecast1", 2410},
    {"lblForecast2", 2411},
    {"lblForecast3", 2412},
    {"lblForecastMonth", 2404},
    {"lblForecastQuarter", 2405},
    {"lblForecastYear", 2406},
    {"famScheduling", 2013},
    {"lblTimeInterval", 2014},
    {"lblAptDut", 2015},
    {"lblStart", 2016},
    {"lblEnd", 2017},
    {"famAlarm", 2022},
    {"lblAlarm", 2018},
    {"famExpense", 2008},
    {"lblCharge", 2020},
    {"lblCash", 2021},
    {"famStartDefault", 2120},
    {"lblStartup", 2121},
    {"lblStartup_Screen", 2122},
    {"lblDefaultStartup", 2123},
    {"famQuery", 2124},
    {"lblQueryScreen", 2125},
    {"lblDefaultQuery", 2126},
    {"famColumnVisible", 2127},
    {"lblGrandFatherColumn", 2128},
    {"lblFatherColumn", 2129},
    {"lblSonColumn", 2130},
};

}  // namespace

void FrmOption::SetCaptions() {
  using resources::LoadResString;
  SetCaption(LoadResString(2001));
  ui::TabControl& tabs = Get<ui::TabControl>("SSTab1");
  for (int i = 0; i < tabs.Tabs(); ++i) tabs.SetTabCaption(i, LoadResString(2100 + i));
  Get<ui::CommandButton>("CmdOk").SetCaption(LoadResString(2002));
  Get<ui::CommandButton>("cmdCancel").SetCaption(LoadResString(2003));
  for (const auto& [name, entry] : kCaptions) {
    Get<ui::CaptionedControl>(name).SetCaption(LoadResString(entry));
  }
}

}  // namespace prefdesk::dialog
