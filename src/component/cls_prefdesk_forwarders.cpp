#include "src/columns/get_default_column.h"
#include "src/columns/read_columns_bar.h"
#include "src/component/cls_prefdesk.h"
#include "src/settings/calendar.h"
#include "src/settings/expense_report.h"
#include "src/settings/forecast.h"
#include "src/settings/history.h"
#include "src/settings/product_comparison.h"

namespace prefdesk::component {

bool ClsPrefdesk::GetValsCalendar(storage::DataCenterRef data_center,
                                  std::shared_ptr<ado::Connection> base_conn,
                                  automation::Date& appointment_duration,
                                  automation::Date& appointment_start_day_time,
                                  automation::Date& appointment_end_day_time,
                                  automation::Date& appointment_alarm_before_time,
                                  int32_t& appoint_time_slot_interval) {
  return settings::GetSvrValsCalendar(data_center, base_conn, appointment_duration,
                                      appointment_start_day_time, appointment_end_day_time,
                                      appointment_alarm_before_time, appoint_time_slot_interval);
}

bool ClsPrefdesk::GetValMaxHistoryRecords(storage::DataCenterRef data_center,
                                          std::shared_ptr<ado::Connection> base_conn,
                                          int32_t& max_history_records) {
  return settings::GetSvrValMaxHistoryRecords(data_center, base_conn, max_history_records);
}

bool ClsPrefdesk::GetValForecast(storage::DataCenterRef data_center, int32_t& month_length,
                                 int32_t& quarter_length, int32_t& year_length) {
  return settings::GetSvrValForecast(data_center, month_length, quarter_length, year_length);
}

bool ClsPrefdesk::GetValExpenseReport(storage::DataCenterRef data_center,
                                      std::shared_ptr<ado::Connection> base_conn,
                                      std::string& expense_charge_number,
                                      automation::Currency& expense_cash_advance) {
  return settings::GetSvrValExpenseReport(data_center, base_conn, expense_charge_number,
                                          expense_cash_advance);
}

bool ClsPrefdesk::GetValProductComparisonRecords(storage::DataCenterRef data_center,
                                                 int32_t& product_comparison_records) {
  return settings::GetSvrValProductComparisonRecords(data_center, product_comparison_records);
}

bool ClsPrefdesk::ReadColumnsBar(const std::string& connection_string,
                                 storage::DataCenterRef data_center,
                                 std::shared_ptr<columnsbar::ColumnsBar>& columns_bar) {
  return columns::ReadColumnsBar(connection_string, data_center, columns_bar);
}

bool ClsPrefdesk::GetDefaultColumn(std::shared_ptr<ado::Connection> cn_base,
                                   storage::DataCenterRef data_center, std::string& column_name,
                                   std::string& column_caption) {
  return columns::GetDefaultColumn(cn_base, data_center, column_name, column_caption);
}

}  // namespace prefdesk::component
