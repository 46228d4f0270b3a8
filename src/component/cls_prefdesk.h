// ClsPrefdesk: the one public, creatable class of the component. The host creates it, puts
// DataCenter, BaseConn and UserID, then opens the options dialog or reads single settings.
// Every instance of a thread works on the thread's shared state (shared_state.h).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/ado/connection.h"
#include "platform/automation/dispatch.h"
#include "platform/automation/variant.h"
#include "platform/ui/picture.h"
#include "src/state/appearance_values.h"
#include "src/component/enumerations.h"
#include "src/storage/datacenter.h"

namespace prefdesk::columnsbar { class ColumnsBar; }

namespace prefdesk::component {

// Dispatch id of OptionSuccess on the event interface __ClsPrefdesk.
inline constexpr int32_t kDispidOptionSuccess = 1;

class ClsPrefdesk : public automation::Dispatch {
 public:
  // Creates an instance: it becomes the shared instance reference and the outcome flag is
  // reset to 0.
  static std::shared_ptr<ClsPrefdesk> Create();
  // Releases the shared instance reference, whichever instance it refers to.
  ~ClsPrefdesk() override;
  ClsPrefdesk(const ClsPrefdesk&) = delete;
  ClsPrefdesk& operator=(const ClsPrefdesk&) = delete;

  const automation::MemberTable& Members() const override { return members_; }
  std::string ClassName() const override { return "ClsPrefdesk"; }
  // The member table of _ClsPrefdesk without an instance, for the registration record.
  static automation::MemberTable DescribeMembers();

  // Sinks of the event interface __ClsPrefdesk (OptionSuccess).
  int Advise(automation::EventSource::Sink sink) { return events_.Advise(std::move(sink)); }
  void Unadvise(int cookie) { events_.Unadvise(cookie); }

  // --- properties ---
  // 0 takes the id from the data service's myinfo.uid (raises 91 without DataCenter).
  void SetUserID(int16_t user_id);
  // The options dialog's icon; creates and loads the dialog when there is none.
  std::shared_ptr<ui::Picture> OptionIcon();
  void SetOptionIcon(std::shared_ptr<ui::Picture> icon);
  int32_t MaxHistoricalRecords() const;
  void SetMaxHistoricalRecords(int32_t value);
  int32_t DisplayProductComparisonsRecords() const;
  void SetDisplayProductComparisonsRecords(int32_t value);
  int32_t MonthLength() const;
  void SetMonthLength(int32_t value);
  int32_t QuarterLength() const;
  void SetQuarterLength(int32_t value);
  int32_t YearLength() const;
  void SetYearLength(int32_t value);
  automation::Date AppointmentDuration() const;
  void SetAppointmentDuration(automation::Date value);
  automation::Date AppointmentStartDayTime() const;
  void SetAppointmentStartDayTime(automation::Date value);
  automation::Date AppointmentEndDayTime() const;
  void SetAppointmentEndDayTime(automation::Date value);
  automation::Date AppointmentAlarmBeforeTime() const;
  void SetAppointmentAlarmBeforeTime(automation::Date value);
  // Kept as given, also outside the enumeration.
  int32_t AppointTimeSlotInterval() const;
  void SetAppointTimeSlotInterval(int32_t value);
  std::string ExpenseChargeNumber() const;
  void SetExpenseChargeNumber(const std::string& value);
  automation::Currency ExpenseCashAdvance() const;
  void SetExpenseCashAdvance(automation::Currency value);
  std::string DefaultTitle() const;
  void SetDefaultTitle(const std::string& value);
  std::shared_ptr<ado::Connection> BaseConn() const;
  void SetBaseConn(std::shared_ptr<ado::Connection> value);
  storage::DataCenterRef DataCenter() const;
  void SetDataCenter(storage::DataCenterRef value);
  // Host option, off by default: when on, the options dialog switches its Appearance tab on,
  // loads it with the other tabs and saves the chosen scheme as the user's 'Default' row and
  // as the appearance values within the same save.
  bool EnableAppearanceTab() const;
  void SetEnableAppearanceTab(bool value);

  // --- appearance values: getters copy the stored values out, setters store them; all
  // return false (done). Group 7 has no values.
  bool GetAppearance(state::AppearanceValues& values) const;
  bool GetAppearance1(state::FormAppearance& values) const;
  bool GetAppearance2(state::PopFormAppearance& values) const;
  bool GetAppearance3(state::CaptionAppearance& values) const;
  bool GetAppearance4(state::GridAppearance& values) const;
  bool GetAppearance5(state::SheetAppearance& values) const;
  bool GetAppearance6(state::ChartAppearance& values) const;
  bool GetAppearance7() const;
  bool GetAppearance8(state::ColumnbarTitleAppearance& values) const;
  bool GetAppearance9(state::ColumnbarListAppearance& values) const;
  bool SetAppearance(const state::AppearanceValues& values);
  bool SetAppearance1(const state::FormAppearance& values);
  bool SetAppearance2(const state::PopFormAppearance& values);
  bool SetAppearance3(const state::CaptionAppearance& values);
  bool SetAppearance4(const state::GridAppearance& values);
  bool SetAppearance5(const state::SheetAppearance& values);
  bool SetAppearance6(const state::ChartAppearance& values);
  bool SetAppearance7();
  bool SetAppearance8(const state::ColumnbarTitleAppearance& values);
  bool SetAppearance9(const state::ColumnbarListAppearance& values);

  // Font of the component's windows. The getters read the options dialog's window (creating
  // it when needed); the setters set the dialog, the progress window and all their controls,
  // skipping whatever fails.
  std::string FontName();
  void SetFontName(const std::string& name);
  float FontSize();
  void SetFontSize(float size);

  // --- methods ---
  // Opens the options dialog modally and reports its outcome through OptionSuccess. True only
  // when the dialog could not be loaded (no event then). owner_form: the host's form whose
  // MousePointer shows the hourglass meanwhile; Empty or no object leaves it alone.
  [[nodiscard]] bool ShowOption(const automation::Variant& owner_form = automation::Variant());

  // The single-setting readers: server row first, then the local default or a fixed value.
  // They use the given data service and connection, not the stored ones.
  [[nodiscard]] bool GetValsCalendar(storage::DataCenterRef data_center,
                       std::shared_ptr<ado::Connection> base_conn,
                       automation::Date& appointment_duration,
                       automation::Date& appointment_start_day_time,
                       automation::Date& appointment_end_day_time,
                       automation::Date& appointment_alarm_before_time,
                       int32_t& appoint_time_slot_interval);
  [[nodiscard]] bool GetValMaxHistoryRecords(storage::DataCenterRef data_center,
                               std::shared_ptr<ado::Connection> base_conn,
                               int32_t& max_history_records);
  [[nodiscard]] bool GetValForecast(storage::DataCenterRef data_center, int32_t& month_length,
                      int32_t& quarter_length, int32_t& year_length);
  [[nodiscard]] bool GetValExpenseReport(storage::DataCenterRef data_center,
                           std::shared_ptr<ado::Connection> base_conn,
                           std::string& expense_charge_number,
                           automation::Currency& expense_cash_advance);
  [[nodiscard]] bool GetValProductComparisonRecords(storage::DataCenterRef data_center,
                                      int32_t& product_comparison_records);

  // The host's column bar from the user's saved layout, and the user's primary title.
  [[nodiscard]] bool ReadColumnsBar(const std::string& connection_string, storage::DataCenterRef data_center,
                      std::shared_ptr<columnsbar::ColumnsBar>& columns_bar);
  [[nodiscard]] bool GetDefaultColumn(std::shared_ptr<ado::Connection> cn_base,
                        storage::DataCenterRef data_center, std::string& column_name,
                        std::string& column_caption);

 private:
  ClsPrefdesk();
  static automation::MemberTable BuildMembers(ClsPrefdesk* self);
  void RaiseOptionSuccess(Enum_OpitonSuccess outcome);

  automation::EventSource events_;
  automation::MemberTable members_;
};

}  // namespace prefdesk::component
