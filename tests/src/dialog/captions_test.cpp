// The captions of the options window and of the progress window in both languages.
#include <string>
#include <tuple>
#include <vector>

#include "option_dialog_fixture.h"
#include "platform/ui/progress_bar.h"
#include "platform/ui/simple_controls.h"
#include "platform/ui/tab_control.h"
#include "src/dialog/frm_save_progress.h"

namespace prefdesk::dialog::testing {
namespace {

struct Caption {
  const char* control;
  const char* english;
  const char* chinese;
};

const std::vector<Caption> kCaptions = {
    {"CmdOk", "OK", "确定"},
    {"cmdCancel", "Cancel", "取消"},
    {"famGeneral", "Historical Bar", "历史工具条"},
    {"lblGeneral", "Maximum historical records", "最大历史记录"},
    {"famProductComparisonRecords", "Product Comparison", "产品比较"},
    {"lblProductComparisonRecords", "Product Auto Comparison Records", "产品自动比较记录数"},
    {"famForecast", "Forecast", "预测"},
    {"lblForecast1", "Forecast month duration :", "月预测时间范围："},
    {"lblForecastMonth", "Months", "月"},
    {"lblForecast2", "Forecast quarter duration :", "季度预测时间范围："},
    {"lblForecastQuarter", "Quarters", "季度"},
    {"lblForecast3", "Forecast year duration :", "年预测时间范围："},
    {"lblForecastYear", "Years", "年"},
    {"famScheduling", "Scheduling defaults", "日程安排默认值"},
    {"lblTimeInterval", "&Time Solt Interval", "时间间隔(&T)"},
    {"lblAptDut", "&Appointment Duration", "事件持续时间(&A)"},
    {"lblStart", "&Start Time", "每天开始时间(&S)"},
    {"lblEnd", "&End Time", "每天结束时间(&E)"},
    {"famAlarm", "Alarm", "提醒"},
    {"lblAlarm", "Set alarm time", "设置提醒提前时间"},
    {"famExpense", "Expense report", "费用报表"},
    {"lblCharge", "C&harge Number:", "单据号(&H)："},
    {"lblCash", "C&ash Advance:", "预支现金(&A)："},
    {"lblStartup", "Start-up", "开始启动"},
    {"famStartDefault", "Default", "默认"},
    {"lblStartup_Screen", "Screen", "栏目"},
    {"lblDefaultStartup", "Default Start-up", "默认启动"},
    {"famQuery", "Query", "查询"},
    {"lblQueryScreen", "Screen", "栏目"},
    {"lblDefaultQuery", "Default Query", "默认查询"},
    {"famColumnVisible", "Columns", "栏目"},
    {"lblGrandFatherColumn", "Main Columns:", "主栏目"},
    {"lblFatherColumn", "Child Columns:", "子栏目"},
    {"lblSonColumn", "Chart Columns:", "图表栏目"},
    {"Label3", ":", ":"},
    {"Label5", ":", ":"},
    {"Label7", ":", ":"},
    {"Label9", ":", ":"},
    {"Label11", ":", ":"},
};

const std::vector<std::tuple<const char*, const char*>> kTabs = {
    {"General", "通用"},        {"Appearance", "外观"},        {"Calendar", "日历"},
    {"Expense Report", "费用报表"}, {"Startup", "启动"}, {"Default Query", "默认查询"},
    {"Column", "栏目"}};

void ExpectCaptions(FrmOption& form, bool chinese) {
  EXPECT_EQ(form.Caption(), chinese ? "栏目设置" : "Column Options");
  const auto& tabs = form.Get<ui::TabControl>("SSTab1");
  ASSERT_EQ(tabs.Tabs(), 7);
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(tabs.TabCaption(i), chinese ? std::get<1>(kTabs[i]) : std::get<0>(kTabs[i])) << i;
  }
  for (const Caption& caption : kCaptions) {
    EXPECT_EQ(form.Get<ui::CaptionedControl>(caption.control).Caption(),
              chinese ? caption.chinese : caption.english)
        << caption.control;
  }
}

class EnglishCaptionsTest : public OptionDialogTest {};

class ChineseCaptionsTest : public OptionDialogTest {
 protected:
  ChineseCaptionsTest() : OptionDialogTest(2052) {}
};

TEST_F(EnglishCaptionsTest, WindowsShowTheEnglishTexts) {
  ShowOption([&](FrmOption& form) {
    ExpectCaptions(form, false);
    EXPECT_TRUE(form.Get<ui::CommandButton>("CmdOk").UserClick());
  });
  ASSERT_FALSE(driver_->samples.empty());
  EXPECT_EQ(driver_->samples.front().caption, "Progress:");
}

TEST_F(ChineseCaptionsTest, WindowsShowTheChineseTexts) {
  ShowOption([&](FrmOption& form) {
    ExpectCaptions(form, true);
    EXPECT_TRUE(form.Get<ui::CommandButton>("CmdOk").UserClick());
  });
  ASSERT_FALSE(driver_->samples.empty());
  EXPECT_EQ(driver_->samples.front().caption, "进度：");
  EXPECT_EQ(driver_->samples.back().label, "默认查询正在保存...        ");
}

TEST_F(EnglishCaptionsTest, ProgressWindowStartsAtOneAndStopsAtItsMaximum) {
  const auto progress = FrmSaveProgress::Instance();
  progress->Load();
  auto& bar = progress->Get<ui::ProgressBar>("ProgressBar1");
  EXPECT_EQ(progress->Caption(), "Progress:");
  EXPECT_EQ(progress->Get<ui::Label>("lblSaveProgress").Caption(), "Saving...");
  EXPECT_EQ(bar.Min(), 1);
  EXPECT_EQ(bar.Max(), 195);
  EXPECT_EQ(bar.Value(), 1);
  for (int i = 0; i < 300; ++i) progress->ProgressNext("Accounts");
  EXPECT_EQ(bar.Value(), 195);
  EXPECT_EQ(progress->Get<ui::Label>("lblSaveProgress").Caption(), "Accounts正在保存...        ");
  progress->ProgressMutilNext("");
  EXPECT_EQ(bar.Value(), 191);
  progress->Unload();
  EXPECT_EQ(FrmSaveProgress::Existing(), nullptr);
}

}  // namespace
}  // namespace prefdesk::dialog::testing
