#include "host/cli/user_settings.h"

#include "host/cli/cli_error.h"
#include "host/cli/server_access.h"
#include "host/cli/translation.h"
#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#include "src/settings/accepted_values.h"
#include "src/settings/calendar.h"
#include "src/settings/expense_report.h"
#include "src/settings/history.h"
#include "src/storage/schema.h"
#include "src/storage/sql_literal.h"

namespace prefdesk::cli {

namespace {

using automation::Variant;

bool Present(const Variant& value) { return !value.IsEmptyOrNull(); }

// Whether the component's readers take each value from the row: the same rules they apply.
std::array<bool, kSettingCount> FromRow(const MiscRow& row) {
  const auto& v = row.values;
  std::array<bool, kSettingCount> taken{};
  const auto check = [](auto&& rule) {
    try {
      return rule();
    } catch (const automation::AutomationError&) {
      return false;
    }
  };
  taken[0] = check([&] { return Present(v[0]) && settings::IsOneOf(settings::kHistoryLengths, automation::CLng(v[0])); });
  taken[1] = check([&] { return Present(v[1]) && settings::IsOneOf(settings::kProductComparisonCounts, automation::CLng(v[1])); });
  for (size_t i = 2; i <= 4; ++i) taken[i] = Present(v[i]);
  const bool calendar = check([&] {
    for (size_t i = 5; i <= 9; ++i) {
      if (!Present(v[i])) return false;
    }
    return settings::IsValidCalendar({automation::CDate(v[5]), automation::CDate(v[6]), automation::CDate(v[7]),
                                      automation::CDate(v[8])},
                                     automation::CLng(v[9]));
  });
  for (size_t i = 5; i <= 9; ++i) taken[i] = calendar;
  const bool expense = check([&] {
    return Present(v[10]) && Present(v[11]) && settings::IsValidCashAdvance(automation::CCur(v[11]));
  });
  taken[10] = taken[11] = expense;
  return taken;
}

Origin Fallback(SettingKind kind) {
  return kind == SettingKind::kComparison || kind == SettingKind::kForecast ? Origin::kFixed : Origin::kLocalDefault;
}

}  // namespace

const char* OriginName(Origin origin) {
  switch (origin) {
    case Origin::kServer: return "server";
    case Origin::kLocalDefault: return "local default";
    case Origin::kFixed: return "fixed";
  }
  return "";
}

std::string OriginLabel(Origin origin) { return Translate(OriginName(origin)); }

MiscRow ReadMiscRow(storage::DataCenter& dc, int16_t user) {
  std::string columns;
  for (const SettingKey& key : SettingKeys()) columns += (columns.empty() ? "" : ",") + std::string(key.column);
  MiscRow row;
  const std::string sql = "SELECT " + columns + " FROM " + storage::schema::T_PMISC + " WHERE " + UserCondition(user);
  ForEachRow(dc, sql, [&](const ado::Recordset& rs) {
    row.exists = true;
    for (size_t i = 0; i < kSettingCount; ++i) row.values[i] = rs[SettingKeys()[i].column];
  });
  return row;
}

std::array<SettingValue, kSettingCount> ReadSettings(Session& session) {
  auto& prefdesk = session.Prefdesk();
  const auto& server = session.Server();
  const auto& local = session.Local();
  int32_t history = 0, comparisons = 0, month = 0, quarter = 0, year = 0, interval = 0;
  automation::Date duration{}, start{}, end{}, alarm{};
  std::string charge_number;
  automation::Currency cash{};
  if (prefdesk.GetValMaxHistoryRecords(server, local, history)) session.Failed("GetValMaxHistoryRecords");
  if (prefdesk.GetValProductComparisonRecords(server, comparisons)) session.Failed("GetValProductComparisonRecords");
  if (prefdesk.GetValForecast(server, month, quarter, year)) session.Failed("GetValForecast");
  if (prefdesk.GetValsCalendar(server, local, duration, start, end, alarm, interval)) session.Failed("GetValsCalendar");
  if (prefdesk.GetValExpenseReport(server, local, charge_number, cash)) session.Failed("GetValExpenseReport");
  const std::array<Variant, kSettingCount> values = {
      Variant(history), Variant(comparisons), Variant(month), Variant(quarter), Variant(year),
      Variant(duration), Variant(start), Variant(end), Variant(alarm), Variant(interval),
      Variant(charge_number), Variant(cash)};
  const std::array<bool, kSettingCount> taken = FromRow(ReadMiscRow(*server, session.User()));
  std::array<SettingValue, kSettingCount> result;
  for (size_t i = 0; i < kSettingCount; ++i) {
    result[i] = {values[i], taken[i] ? Origin::kServer : Fallback(SettingKeys()[i].kind)};
  }
  return result;
}

std::array<SettingValue, kSettingCount> FactoryDefaults(const std::shared_ptr<ado::Connection>& local) {
  int32_t history = 0, interval = 0;
  automation::Date duration{}, start{}, end{}, alarm{};
  std::string charge_number;
  automation::Currency cash{};
  const auto unusable = [](const char* what) {
    throw CliError(kExitDatabase, std::string("the local defaults database holds no usable ") + what);
  };
  if (settings::GetDefValMaxHistoryRecords(local, history)) unusable("history length");
  if (settings::GetDefValsCalendar(local, duration, start, end, alarm, interval)) unusable("calendar values");
  if (settings::GetDefValExpenseReport(local, charge_number, cash)) unusable("expense values");
  const int32_t forecast = settings::kFixedForecastLength;
  const std::array<Variant, kSettingCount> values = {
      Variant(history), Variant(settings::kFixedProductComparisonCount), Variant(forecast), Variant(forecast),
      Variant(forecast), Variant(duration), Variant(start), Variant(end), Variant(alarm), Variant(interval),
      Variant(charge_number), Variant(cash)};
  std::array<SettingValue, kSettingCount> result;
  for (size_t i = 0; i < kSettingCount; ++i) result[i] = {values[i], Fallback(SettingKeys()[i].kind)};
  return result;
}

std::vector<size_t> SettingSet(size_t index) {
  const SettingKind kind = SettingKeys()[index].kind;
  if (!IsCalendar(kind) && !IsExpense(kind)) return {index};
  std::vector<size_t> set;
  for (size_t i = 0; i < kSettingCount; ++i) {
    const SettingKind other = SettingKeys()[i].kind;
    if (IsCalendar(other) == IsCalendar(kind) && IsExpense(other) == IsExpense(kind)) set.push_back(i);
  }
  return set;
}

void WriteMiscRow(storage::DataCenter& dc, int16_t user, bool exists,
                  const std::vector<std::pair<size_t, Variant>>& values) {
  std::string columns = storage::schema::F_UID, literals = storage::SqlInt(user), assignments;
  for (const auto& [index, value] : values) {
    const SettingKey& key = SettingKeys()[index];
    const std::string literal = SettingLiteral(key, value);
    columns += std::string(",") + key.column;
    literals += "," + literal;
    assignments += (assignments.empty() ? "" : ",") + std::string(key.column) + "=" + literal;
  }
  if (exists) {
    if (!assignments.empty()) UpdateRows(dc, storage::schema::T_PMISC, assignments, UserCondition(user));
  } else {
    InsertRow(dc, storage::schema::T_PMISC, columns, literals);
  }
}

}  // namespace prefdesk::cli
