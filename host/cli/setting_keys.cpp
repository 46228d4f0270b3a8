#include "host/cli/setting_keys.h"

#include <charconv>
#include <cstdio>
#include <regex>

#include "host/cli/cli_error.h"
#include "host/cli/translation.h"
#include "platform/automation/conversions.h"
#include "src/settings/accepted_values.h"
#include "src/storage/schema.h"
#include "src/storage/sql_literal.h"

namespace prefdesk::cli {

namespace {

using automation::Variant;

constexpr size_t kDayStart = 6;
constexpr size_t kDayEnd = 7;

template <size_t N>
std::string List(const std::array<int32_t, N>& values) {
  std::string text;
  for (size_t i = 0; i < N; ++i) {
    text += (i == 0 ? "" : i + 1 == N ? Translate(" or ") : Translate(", ")) + std::to_string(values[i]);
  }
  return text;
}

[[noreturn]] void Refuse(const SettingKey& key, const std::string& given, const std::string& accepted) {
  throw CliError(kExitUsage, std::string(key.name) + ": '" + given + "' is not accepted; " + accepted);
}

std::string Accepted(const SettingKey& key) { return "use " + AcceptedText(key); }

bool Whole(const std::string& text, int32_t& value) {
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && stop == end;
}

// "HH:MM" or "HH:MM:00"; false for anything else.
bool Time(const std::string& text, int& hour, int& minute) {
  if (text.size() != 5 && !(text.size() == 8 && text.substr(5) == ":00")) return false;
  if (text[2] != ':' || !Whole(text.substr(0, 2), hour) || !Whole(text.substr(3, 2), minute)) return false;
  return hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59;
}

Variant ParseWhole(const SettingKey& key, const std::string& text, int32_t value) {
  bool accepted = false;
  switch (key.kind) {
    case SettingKind::kHistory: accepted = settings::IsOneOf(settings::kHistoryLengths, value); break;
    case SettingKind::kComparison: accepted = settings::IsOneOf(settings::kProductComparisonCounts, value); break;
    case SettingKind::kForecast: accepted = settings::IsOneOf(settings::kForecastLengths, value); break;
    case SettingKind::kInterval: accepted = settings::IsOneOf(settings::kTimeSlotIntervals, value); break;
    default: break;
  }
  if (!accepted) Refuse(key, text, Accepted(key));
  return Variant(value);
}

std::string TimeText(automation::Date time) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", automation::Hour(time), automation::Minute(time),
                automation::Second(time));
  return text;
}

}  // namespace

std::string AcceptedText(const SettingKey& key) {
  switch (key.kind) {
    case SettingKind::kHistory: return List(settings::kHistoryLengths);
    case SettingKind::kComparison: return List(settings::kProductComparisonCounts);
    case SettingKind::kForecast: return List(settings::kForecastLengths);
    case SettingKind::kInterval: return List(settings::kTimeSlotIntervals) + " (minutes)";
    case SettingKind::kTime:
      return "a time HH:MM from 00:00 to 23:55, minutes a multiple of " + std::to_string(settings::kMinuteStep);
    case SettingKind::kChargeNumber:
      return "a text of 1 to " + std::to_string(settings::kChargeNumberLength) +
             " characters, valid UTF-8 without control characters";
    case SettingKind::kCashAdvance: return "an amount above 0 with at most 4 decimals and 15 digits in all";
  }
  return "";
}

Json AcceptedJson(const SettingKey& key) {
  switch (key.kind) {
    case SettingKind::kHistory: return settings::kHistoryLengths;
    case SettingKind::kComparison: return settings::kProductComparisonCounts;
    case SettingKind::kForecast: return settings::kForecastLengths;
    case SettingKind::kInterval: return settings::kTimeSlotIntervals;
    case SettingKind::kTime: return {{"from", "00:00:00"}, {"to", "23:55:00"}, {"minute_step", settings::kMinuteStep}};
    case SettingKind::kChargeNumber: return {{"min_characters", 1}, {"max_characters", settings::kChargeNumberLength}};
    case SettingKind::kCashAdvance: return {{"above", 0}, {"max_decimals", 4}, {"max_digits", 15}};
  }
  return nullptr;
}

const char* TypeName(SettingKind kind) {
  switch (kind) {
    case SettingKind::kTime: return "time";
    case SettingKind::kChargeNumber: return "text";
    case SettingKind::kCashAdvance: return "currency";
    default: return "integer";
  }
}

const std::array<SettingKey, kSettingCount>& SettingKeys() {
  static const std::array<SettingKey, kSettingCount> keys = {{
      {"MaxHistoryRecords", storage::schema::misc::F_MAXHISTORY, SettingKind::kHistory},
      {"ProductComparisonRecords", storage::schema::misc::F_PRDACMPMAX, SettingKind::kComparison},
      {"MonthLength", storage::schema::misc::F_FCSLENGTH_MM, SettingKind::kForecast},
      {"QuarterLength", storage::schema::misc::F_FCSLENGTH_QT, SettingKind::kForecast},
      {"YearLength", storage::schema::misc::F_FCSLENGTH_YR, SettingKind::kForecast},
      {"AppointmentDuration", storage::schema::misc::F_DEFAPDUR, SettingKind::kTime},
      {"AppointmentStartDayTime", storage::schema::misc::F_DAYSTIME, SettingKind::kTime},
      {"AppointmentEndDayTime", storage::schema::misc::F_DAYETIME, SettingKind::kTime},
      {"AppointmentAlarmBeforeTime", storage::schema::misc::F_ALARMADV, SettingKind::kTime},
      {"AppointTimeSlotInterval", storage::schema::misc::F_SOLEINTERVAL, SettingKind::kInterval},
      {"ExpenseChargeNumber", storage::schema::misc::F_DEFORGCHARGE, SettingKind::kChargeNumber},
      {"ExpenseCashAdvance", storage::schema::misc::F_DEFADVPAID, SettingKind::kCashAdvance},
  }};
  return keys;
}

size_t SettingIndex(std::string_view name) {
  std::string names;
  for (size_t i = 0; i < kSettingCount; ++i) {
    if (automation::EqualsIgnoreCase(SettingKeys()[i].name, name)) return i;
    names += (i == 0 ? "" : ", ") + std::string(SettingKeys()[i].name);
  }
  throw CliError(kExitUsage, "unknown setting '" + std::string(name) + "'; the settings are " + names);
}

bool IsCalendar(SettingKind kind) { return kind == SettingKind::kTime || kind == SettingKind::kInterval; }
bool IsExpense(SettingKind kind) { return kind == SettingKind::kChargeNumber || kind == SettingKind::kCashAdvance; }

Variant ParseSetting(const SettingKey& key, const std::string& text) {
  switch (key.kind) {
    case SettingKind::kTime: {
      int hour = 0, minute = 0;
      if (!Time(text, hour, minute) || minute % settings::kMinuteStep != 0) Refuse(key, text, Accepted(key));
      return Variant(automation::TimeSerial(hour, minute, 0));
    }
    case SettingKind::kChargeNumber:
      if (!settings::IsValidChargeNumber(text)) Refuse(key, text, Accepted(key));
      return Variant(text);
    case SettingKind::kCashAdvance: {
      static const std::regex amount(R"([0-9]{1,14}(\.[0-9]{1,4})?)");
      if (!std::regex_match(text, amount)) Refuse(key, text, Accepted(key));
      const automation::Currency cash = automation::CCur(Variant(text));
      if (!settings::IsValidCashAdvance(cash) || !settings::IsKeptExactly(cash)) Refuse(key, text, Accepted(key));
      return Variant(cash);
    }
    default: {
      int32_t value = 0;
      if (!Whole(text, value)) Refuse(key, text, Accepted(key));
      return ParseWhole(key, text, value);
    }
  }
}

Variant ParseSetting(const SettingKey& key, const Json& value) {
  const bool text_kind = key.kind == SettingKind::kTime || key.kind == SettingKind::kChargeNumber;
  if (text_kind && !value.is_string()) Refuse(key, value.dump(), "a text is expected");
  if (!text_kind && !value.is_number()) Refuse(key, value.dump(), "a number is expected");
  if (value.is_string()) return ParseSetting(key, value.get<std::string>());
  if (key.kind != SettingKind::kCashAdvance && !value.is_number_integer()) Refuse(key, value.dump(), Accepted(key));
  return ParseSetting(key, value.dump());
}

std::string SettingLiteral(const SettingKey& key, const Variant& value) {
  switch (key.kind) {
    case SettingKind::kTime: return storage::SqlText(TimeText(automation::CDate(value)));
    case SettingKind::kChargeNumber: return storage::SqlText(automation::CStr(value));
    case SettingKind::kCashAdvance: return storage::SqlNumber(automation::CDbl(value));
    default: return storage::SqlInt(automation::CLng(value));
  }
}

Json SettingJson(const SettingKey& key, const Variant& value) {
  switch (key.kind) {
    case SettingKind::kTime: return TimeText(automation::CDate(value));
    case SettingKind::kChargeNumber: return automation::CStr(value);
    case SettingKind::kCashAdvance: {
      const automation::Currency cash = automation::CCur(value);
      if (cash.scaled % 10000 == 0) return cash.scaled / 10000;
      return automation::CDbl(value);
    }
    default: return automation::CLng(value);
  }
}

std::string SettingText(const SettingKey& key, const Variant& value) {
  if (key.kind == SettingKind::kTime) return TimeText(automation::CDate(value));
  if (key.kind == SettingKind::kCashAdvance) return automation::CurrencyToText(automation::CCur(value));
  return automation::CStr(value);
}

void CheckCalendar(const std::array<Variant, kSettingCount>& values) {
  std::array<automation::Date, 4> times{};
  for (size_t i = 0; i < 4; ++i) times[i] = automation::CDate(values[5 + i]);
  if (settings::IsValidCalendar(times, automation::CLng(values[9]))) return;
  throw CliError(kExitUsage, std::string("the day must start before it ends: ") + SettingKeys()[kDayStart].name +
                                 " " + TimeText(times[1]) + ", " + SettingKeys()[kDayEnd].name + " " +
                                 TimeText(times[2]) + "; nothing written");
}

}  // namespace prefdesk::cli
