// The member table of _ClsPrefdesk, in slot order, with its dispatch ids.
#include <string>
#include <vector>

#include "platform/automation/conversions.h"
#include "platform/automation/member_helpers.h"
#include "platform/columnsbar/columns_bar.h"
#include "src/component/cls_prefdesk.h"
#include "src/component/member_args.h"

namespace prefdesk::component {

namespace {

using automation::Arguments;
using automation::MemberKind;
using automation::MemberTable;
using automation::ObjectRef;
using automation::ParamDirection;
using automation::ParamInfo;
using automation::Variant;
namespace members = automation::members;
using members::In;
using members::InOut;

// The parameters of the appearance values of one group (0: all 45), in their order.
std::vector<ParamInfo> AppearanceParams(int group, ParamDirection direction) {
  std::vector<ParamInfo> params;
  for (const state::AppearanceValueInfo& info : state::AppearanceValueInfos()) {
    if (group == 0 || info.group == group) {
      params.push_back(ParamInfo{std::string(info.name), std::string(info.type), direction, false});
    }
  }
  return params;
}

state::AppearanceRange RangeOf(int group) {
  return group == 0 ? state::AppearanceRange{0, state::kAppearanceValueCount} : state::AppearanceGroupRange(group);
}

std::string GroupName(const char* prefix, int group) {
  return group == 0 ? prefix : prefix + std::to_string(group);
}

// GetAppearance (group 0) and GetAppearance1..9: `get` fills the values of its group, which
// are then written back into the in/out arguments.
template <class Get>
void AddAppearanceGetter(MemberTable& table, int group, int32_t dispid, Get get) {
  members::Method(
      table, GroupName("GetAppearance", group), dispid,
      AppearanceParams(group, ParamDirection::InOut), "Boolean", [group, get](Arguments& args) {
        state::AppearanceValues values;
        bool failed = get(values);
        state::AppearanceRange range = RangeOf(group);
        for (int i = 0; i < range.count; ++i) {
          args[static_cast<size_t>(i)] = state::GetAppearanceValue(values, range.first + i);
        }
        return Variant(failed);
      });
}

// SetAppearance (group 0) and SetAppearance1..9: the arguments are converted into the values
// of the group and handed to `set`.
template <class Set>
void AddAppearanceSetter(MemberTable& table, int group, int32_t dispid, Set set) {
  members::Method(
      table, GroupName("SetAppearance", group), dispid, AppearanceParams(group, ParamDirection::In),
      "Boolean", [group, set](Arguments& args) {
        state::AppearanceValues values;
        state::AppearanceRange range = RangeOf(group);
        for (int i = 0; i < range.count; ++i) {
          state::SetAppearanceValue(values, range.first + i, args[static_cast<size_t>(i)]);
        }
        return Variant(set(values));
      });
}

void AddAppearanceMembers(MemberTable& table, ClsPrefdesk* self) {
  constexpr int32_t kGetBase = 0x60030013;
  constexpr int32_t kSetBase = 0x6003001d;
  AddAppearanceGetter(table, 0, kGetBase, [self](state::AppearanceValues& v) { return self->GetAppearance(v); });
  AddAppearanceGetter(table, 1, kGetBase + 1, [self](state::AppearanceValues& v) { return self->GetAppearance1(v.Form); });
  AddAppearanceGetter(table, 2, kGetBase + 2, [self](state::AppearanceValues& v) { return self->GetAppearance2(v.PopForm); });
  AddAppearanceGetter(table, 3, kGetBase + 3, [self](state::AppearanceValues& v) { return self->GetAppearance3(v.Caption); });
  AddAppearanceGetter(table, 4, kGetBase + 4, [self](state::AppearanceValues& v) { return self->GetAppearance4(v.Grid); });
  AddAppearanceGetter(table, 5, kGetBase + 5, [self](state::AppearanceValues& v) { return self->GetAppearance5(v.Sheet); });
  AddAppearanceGetter(table, 6, kGetBase + 6, [self](state::AppearanceValues& v) { return self->GetAppearance6(v.Chart); });
  AddAppearanceGetter(table, 7, kGetBase + 7, [self](state::AppearanceValues&) { return self->GetAppearance7(); });
  AddAppearanceGetter(table, 8, kGetBase + 8, [self](state::AppearanceValues& v) { return self->GetAppearance8(v.ColumnbarTitle); });
  AddAppearanceGetter(table, 9, kGetBase + 9, [self](state::AppearanceValues& v) { return self->GetAppearance9(v.ColumnbarList); });
  AddAppearanceSetter(table, 0, kSetBase, [self](const state::AppearanceValues& v) { return self->SetAppearance(v); });
  AddAppearanceSetter(table, 1, kSetBase + 1, [self](const state::AppearanceValues& v) { return self->SetAppearance1(v.Form); });
  AddAppearanceSetter(table, 2, kSetBase + 2, [self](const state::AppearanceValues& v) { return self->SetAppearance2(v.PopForm); });
  AddAppearanceSetter(table, 3, kSetBase + 3, [self](const state::AppearanceValues& v) { return self->SetAppearance3(v.Caption); });
  AddAppearanceSetter(table, 4, kSetBase + 4, [self](const state::AppearanceValues& v) { return self->SetAppearance4(v.Grid); });
  AddAppearanceSetter(table, 5, kSetBase + 5, [self](const state::AppearanceValues& v) { return self->SetAppearance5(v.Sheet); });
  AddAppearanceSetter(table, 6, kSetBase + 6, [self](const state::AppearanceValues& v) { return self->SetAppearance6(v.Chart); });
  AddAppearanceSetter(table, 7, kSetBase + 7, [self](const state::AppearanceValues&) { return self->SetAppearance7(); });
  AddAppearanceSetter(table, 8, kSetBase + 8, [self](const state::AppearanceValues& v) { return self->SetAppearance8(v.ColumnbarTitle); });
  AddAppearanceSetter(table, 9, kSetBase + 9, [self](const state::AppearanceValues& v) { return self->SetAppearance9(v.ColumnbarList); });
}

using DataCenterArg = storage::DataCenter;

void AddReaderMembers(MemberTable& table, ClsPrefdesk* self) {
  members::Method(
      table, "GetValsCalendar", 0x60030028,
      {In("t_DataCenter", "Object"), In("t_BaseConn", "Connection"),
       InOut("t_AppointmentDuration", "Date"), InOut("t_AppointmentStartDayTime", "Date"),
       InOut("t_AppointmentEndDayTime", "Date"), InOut("t_AppointmentAlarmBeforeTime", "Date"),
       InOut("t_AppointTimeSlotInterval", "Enum_TimeSlotInterval")},
      "Boolean", [self](Arguments& args) {
        automation::Date duration = automation::CDate(args[2]);
        automation::Date start = automation::CDate(args[3]);
        automation::Date end = automation::CDate(args[4]);
        automation::Date alarm = automation::CDate(args[5]);
        int32_t interval = automation::CLng(args[6]);
        bool failed = self->GetValsCalendar(ObjectArg<DataCenterArg>(args[0]),
                                            ObjectArg<ado::Connection>(args[1]), duration, start,
                                            end, alarm, interval);
        args[2] = Variant(duration);
        args[3] = Variant(start);
        args[4] = Variant(end);
        args[5] = Variant(alarm);
        args[6] = Variant(interval);
        return Variant(failed);
      });
  members::Method(table, "GetValMaxHistoryRecords", 0x60030029,
                  {In("t_DataCenter", "Object"), In("t_BaseConn", "Connection"),
                   InOut("MaxHistoryRecords", "Long")},
                  "Boolean", [self](Arguments& args) {
                    int32_t records = automation::CLng(args[2]);
                    bool failed =
                        self->GetValMaxHistoryRecords(ObjectArg<DataCenterArg>(args[0]),
                                                      ObjectArg<ado::Connection>(args[1]), records);
                    args[2] = Variant(records);
                    return Variant(failed);
                  });
  members::Method(table, "GetValForecast", 0x6003002a,
                  {In("t_DataCenter", "Object"), InOut("t_MonthLength", "Long"),
                   InOut("t_QuarterLength", "Long"), InOut("t_YearLength", "Long")},
                  "Boolean", [self](Arguments& args) {
                    int32_t month = automation::CLng(args[1]);
                    int32_t quarter = automation::CLng(args[2]);
                    int32_t year = automation::CLng(args[3]);
                    bool failed = self->GetValForecast(ObjectArg<DataCenterArg>(args[0]), month,
                                                       quarter, year);
                    args[1] = Variant(month);
                    args[2] = Variant(quarter);
                    args[3] = Variant(year);
                    return Variant(failed);
                  });
  members::Method(
      table, "GetValExpenseReport", 0x6003002b,
      {In("t_DataCenter", "Object"), In("t_BaseConn", "Connection"),
       InOut("t_ExpenseChargeNumber", "String"), InOut("t_ExpenseCashAdvance", "Currency")},
      "Boolean", [self](Arguments& args) {
        std::string charge = automation::CStr(args[2]);
        automation::Currency cash = automation::CCur(args[3]);
        bool failed = self->GetValExpenseReport(ObjectArg<DataCenterArg>(args[0]),
                                                ObjectArg<ado::Connection>(args[1]), charge, cash);
        args[2] = Variant(charge);
        args[3] = Variant(cash);
        return Variant(failed);
      });
  members::Method(table, "GetValProductComparisonRecords", 0x6003002c,
                  {In("t_DataCenter", "Object"), InOut("ProductComparisonRecords", "Long")},
                  "Boolean", [self](Arguments& args) {
                    int32_t records = automation::CLng(args[1]);
                    bool failed = self->GetValProductComparisonRecords(
                        ObjectArg<DataCenterArg>(args[0]), records);
                    args[1] = Variant(records);
                    return Variant(failed);
                  });
  members::Method(table, "ReadColumnsBar", 0x6003002d,
                  {In("ConnectionString", "String"), In("t_DataCenter", "Object"),
                   InOut("t_ColumnsBar", "ColumnsBar")},
                  "Boolean", [self](Arguments& args) {
                    auto bar = ObjectArg<columnsbar::ColumnsBar>(args[2]);
                    bool failed = self->ReadColumnsBar(automation::CStr(args[0]),
                                                       ObjectArg<DataCenterArg>(args[1]), bar);
                    args[2] = Variant(ObjectRef(bar));
                    return Variant(failed);
                  });
}

void AddFontMembers(MemberTable& table, ClsPrefdesk* self) {
  members::Property(
      table, "FontName", 0x68030001, "String", [self] { return Variant(self->FontName()); },
      [self](const Variant& v) { self->SetFontName(automation::CStr(v)); },
      members::PutSpec{MemberKind::PropertyPut, "FontName"});
  members::Property(
      table, "FontSize", 0x68030000, "Single", [self] { return Variant(self->FontSize()); },
      [self](const Variant& v) { self->SetFontSize(automation::CSng(v)); },
      members::PutSpec{MemberKind::PropertyPut, "FontSize"});
}

void AddSettingsProperties(MemberTable& table, ClsPrefdesk* self) {
  const MemberKind put = MemberKind::PropertyPut;
  members::Property(
      table, "MaxHistoricalRecords", 0x68030010, "Long",
      [self] { return Variant(self->MaxHistoricalRecords()); },
      [self](const Variant& v) { self->SetMaxHistoricalRecords(automation::CLng(v)); },
      members::PutSpec{put, "MaxHistoricalRecords"});
  members::Property(
      table, "DisplayProductComparisonsRecords", 0x6803000f, "Long",
      [self] { return Variant(self->DisplayProductComparisonsRecords()); },
      [self](const Variant& v) { self->SetDisplayProductComparisonsRecords(automation::CLng(v)); },
      members::PutSpec{put, "DisplayProductComparisonsRecords"});
  members::Property(
      table, "MonthLength", 0x6803000e, "Long", [self] { return Variant(self->MonthLength()); },
      [self](const Variant& v) { self->SetMonthLength(automation::CLng(v)); },
      members::PutSpec{put, "MonthLength"});
  members::Property(
      table, "QuarterLength", 0x6803000d, "Long", [self] { return Variant(self->QuarterLength()); },
      [self](const Variant& v) { self->SetQuarterLength(automation::CLng(v)); },
      members::PutSpec{put, "QuarterLength"});
  members::Property(
      table, "YearLength", 0x6803000c, "Long", [self] { return Variant(self->YearLength()); },
      [self](const Variant& v) { self->SetYearLength(automation::CLng(v)); },
      members::PutSpec{put, "YearLength"});
  members::Property(
      table, "AppointmentDuration", 0x6803000b, "Date",
      [self] { return Variant(self->AppointmentDuration()); },
      [self](const Variant& v) { self->SetAppointmentDuration(automation::CDate(v)); },
      members::PutSpec{put, "AppointmentDuration"});
  members::Property(
      table, "AppointmentStartDayTime", 0x6803000a, "Date",
      [self] { return Variant(self->AppointmentStartDayTime()); },
      [self](const Variant& v) { self->SetAppointmentStartDayTime(automation::CDate(v)); },
      members::PutSpec{put, "AppointmentStartDayTime"});
  members::Property(
      table, "AppointmentEndDayTime", 0x68030009, "Date",
      [self] { return Variant(self->AppointmentEndDayTime()); },
      [self](const Variant& v) { self->SetAppointmentEndDayTime(automation::CDate(v)); },
      members::PutSpec{put, "AppointmentEndDayTime"});
  members::Property(
      table, "AppointmentAlarmBeforeTime", 0x68030008, "Date",
      [self] { return Variant(self->AppointmentAlarmBeforeTime()); },
      [self](const Variant& v) { self->SetAppointmentAlarmBeforeTime(automation::CDate(v)); },
      members::PutSpec{put, "AppointmentAlarmBeforeTime"});
  members::Property(
      table, "AppointTimeSlotInterval", 0x68030007, "Enum_TimeSlotInterval",
      [self] { return Variant(self->AppointTimeSlotInterval()); },
      [self](const Variant& v) { self->SetAppointTimeSlotInterval(automation::CLng(v)); },
      members::PutSpec{put, "AppointTimeSlotInterval"});
  members::Property(
      table, "ExpenseChargeNumber", 0x68030006, "String",
      [self] { return Variant(self->ExpenseChargeNumber()); },
      [self](const Variant& v) { self->SetExpenseChargeNumber(automation::CStr(v)); },
      members::PutSpec{put, "ExpenseChargeNumber"});
  members::Property(
      table, "ExpenseCashAdvance", 0x68030005, "Currency",
      [self] { return Variant(self->ExpenseCashAdvance()); },
      [self](const Variant& v) { self->SetExpenseCashAdvance(automation::CCur(v)); },
      members::PutSpec{put, "ExpenseCashAdvance"});
  members::Property(
      table, "DefaultTitle", 0x68030004, "String", [self] { return Variant(self->DefaultTitle()); },
      [self](const Variant& v) { self->SetDefaultTitle(automation::CStr(v)); },
      members::PutSpec{put, "DefaultTitle"});
  members::Property(
      table, "BaseConn", 0x68030003, "Connection",
      [self] { return Variant(ObjectRef(self->BaseConn())); },
      [self](const Variant& v) { self->SetBaseConn(ObjectArg<ado::Connection>(v)); },
      members::PutSpec{MemberKind::PropertyPutRef, "BaseConn"});
  members::Property(
      table, "DataCenter", 0x68030002, "Object",
      [self] { return Variant(ObjectRef(self->DataCenter())); },
      [self](const Variant& v) { self->SetDataCenter(ObjectArg<DataCenterArg>(v)); },
      members::PutSpec{MemberKind::PropertyPutRef, "DataCenter"});
}

}  // namespace

MemberTable ClsPrefdesk::BuildMembers(ClsPrefdesk* self) {
  MemberTable table;
  members::Put(
      table, "UserID", 0x68030012, "Integer",
      [self](const Variant& v) { self->SetUserID(automation::CInt(v)); },
      members::PutSpec{MemberKind::PropertyPut, "UserID"});
  members::Property(
      table, "OptionIcon", 0x68030011, "StdPicture",
      [self] { return Variant(ObjectRef(self->OptionIcon())); },
      [self](const Variant& v) { self->SetOptionIcon(ObjectArg<ui::Picture>(v)); },
      members::PutSpec{MemberKind::PropertyPutRef, "OptionIcon"});
  AddSettingsProperties(table, self);
  AddAppearanceMembers(table, self);
  members::Method(table, "ShowOption", 0x60030027, {In("OwnerForm", "Object", true)}, "Boolean",
                  [self](Arguments& args) { return Variant(self->ShowOption(args[0])); });
  AddReaderMembers(table, self);
  AddFontMembers(table, self);
  members::Method(table, "GetDefaultColumn", 0x60030031,
                  {In("CnBase", "Connection"), In("t_DataCenter", "Object"),
                   InOut("t_ColumnName", "String"), InOut("t_ColumnCaption", "String")},
                  "Boolean", [self](Arguments& args) {
                    std::string name = automation::CStr(args[2]);
                    std::string caption = automation::CStr(args[3]);
                    bool failed =
                        self->GetDefaultColumn(ObjectArg<ado::Connection>(args[0]),
                                               ObjectArg<DataCenterArg>(args[1]), name, caption);
                    args[2] = Variant(name);
                    args[3] = Variant(caption);
                    return Variant(failed);
                  });
  // The host option, after every member of the original interface so that their slots stay.
  members::Property(
      table, "EnableAppearanceTab", 0x68030100, "Boolean",
      [self] { return Variant(self->EnableAppearanceTab()); },
      [self](const Variant& v) { self->SetEnableAppearanceTab(automation::CBool(v)); },
      members::PutSpec{MemberKind::PropertyPut, "EnableAppearanceTab"});
  return table;
}

}  // namespace prefdesk::component
