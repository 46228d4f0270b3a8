// The string table: every entry in English (1033) and Simplified Chinese (2052).
#include <algorithm>
#include <iterator>

#include "src/resources/strings.h"

namespace prefdesk::resources {
namespace {

struct Entry {
  int id;
  const char* english;
  const char* chinese;
};

// Sorted by id.
constexpr Entry kEntries[] = {
    {0, "English", "Chinese"},
    {1, "Error:", "错误： "},
    {100, "Error number: ", "错误号："},
    {600, "OK", "确定"},
    {1030, "Please Input the scheme's name:", "请输入要保存的方案名称:"},
    {1031, "There is aleady a scheme with the same name, overwrite it ?", "该方案己存在，是否要更新方案 ?"},
    {2001, "Column Options", "栏目设置"},
    {2002, "OK", "确定"},
    {2003, "Cancel", "取消"},
    {2008, "Expense report", "费用报表"},
    {2010, "Historical Bar", "历史工具条"},
    {2011, "Maximum historical records", "最大历史记录"},
    {2012, "Records", "条记录"},
    {2013, "Scheduling defaults", "日程安排默认值"},
    {2014, "&Time Solt Interval", "时间间隔(&T)"},
    {2015, "&Appointment Duration", "事件持续时间(&A)"},
    {2016, "&Start Time", "每天开始时间(&S)"},
    {2017, "&End Time", "每天结束时间(&E)"},
    {2018, "Set alarm time", "设置提醒提前时间"},
    {2020, "C&harge Number:", "单据号(&H)："},
    {2021, "C&ash Advance:", "预支现金(&A)："},
    {2022, "Alarm", "提醒"},
    {2023, "Some field value is invalid", "字段值非法"},
    {2024, "Please enter an integer which large than zero !", "请输入一个大于零的整数！"},
    {2025, "End Time must be large than Start Time ! You can select another,otherwise the lasted selected will be used!", "终止时间要大于启始时间，你可继续选择！否则，将使用上次所选值！"},
    {2026, "Specified record can not be found!", "没有找到指定记录！"},
    {2100, "General", "通用"},
    {2101, "Appearance", "外观"},
    {2102, "Calendar", "日历"},
    {2103, "Expense Report", "费用报表"},
    {2104, "Startup", "启动"},
    {2105, "Default Query", "默认查询"},
    {2106, "Column", "栏目"},
    {2110, "<None>", "<无>"},
    {2120, "Default", "默认"},
    {2121, "Start-up", "开始启动"},
    {2122, "Screen", "栏目"},
    {2123, "Default Start-up", "默认启动"},
    {2124, "Query", "查询"},
    {2125, "Screen", "栏目"},
    {2126, "Default Query", "默认查询"},
    {2127, "Columns", "栏目"},
    {2128, "Main Columns:", "主栏目"},
    {2129, "Child Columns:", "子栏目"},
    {2130, "Chart Columns:", "图表栏目"},
    {2200, "Changes to the navigation style will take effect next time the application start,Other changes will take effect when you leave the screen.", "对标题栏目风格的设置将在下次启动时生效，其他设置将立即生效。"},
    {2400, "Product Comparison", "产品比较"},
    {2401, "Product Auto Comparison Records", "产品自动比较记录数"},
    {2402, "Forecast", "预测"},
    {2403, "Forecast duration", "预测时间范围"},
    {2404, "Months", "月"},
    {2405, "Quarters", "季度"},
    {2406, "Years", "年"},
    {2410, "Forecast month duration :", "月预测时间范围："},
    {2411, "Forecast quarter duration :", "季度预测时间范围："},
    {2412, "Forecast year duration :", "年预测时间范围："},
    {2413, "Save As", "另存为"},
};

}  // namespace

std::string LoadResString(int id) {
  const auto* end = std::end(kEntries);
  const auto* found = std::lower_bound(std::begin(kEntries), end, id,
                                       [](const Entry& e, int key) { return e.id < key; });
  if (found == end || found->id != id) return {};
  return InterfaceLanguage() == kLangChinese ? found->chinese : found->english;
}

}  // namespace prefdesk::resources
