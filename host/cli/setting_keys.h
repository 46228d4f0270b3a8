// The single settings a host reads and writes: their names, their column of the user's row
// in T_PMISC, and the values each accepts (the readers' own rules, from src/settings).
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "host/cli/json_output.h"
#include "platform/automation/variant.h"

namespace prefdesk::cli {

enum class SettingKind { kHistory, kComparison, kForecast, kTime, kInterval, kChargeNumber, kCashAdvance };

struct SettingKey {
  const char* name;    // as `settings` prints it
  const char* column;  // in T_PMISC
  SettingKind kind;
};

inline constexpr size_t kSettingCount = 12;
const std::array<SettingKey, kSettingCount>& SettingKeys();
// Case-blind; raises CliError(kExitUsage) listing the names for an unknown one.
size_t SettingIndex(std::string_view name);

// What the setting accepts, in words ("5, 10, 15, 20, 30 or 50") and as JSON (the list, or the
// bounds), and its type: "integer", "time", "text" or "currency".
std::string AcceptedText(const SettingKey& key);
Json AcceptedJson(const SettingKey& key);
const char* TypeName(SettingKind kind);

// The calendar values (four times and the interval) and the expense values are read as a set:
// a row with one of them unusable gives none of them.
bool IsCalendar(SettingKind kind);
bool IsExpense(SettingKind kind);

// The value as the row stores it (a whole number, a time, a text or a currency), from what a
// person typed or from a JSON document. A value the reader would reject raises
// CliError(kExitUsage) with one line naming the accepted values.
automation::Variant ParseSetting(const SettingKey& key, const std::string& text);
automation::Variant ParseSetting(const SettingKey& key, const Json& value);

// A stored value as SQL text, as JSON (numbers as numbers, times as "hh:mm:ss") and as text.
std::string SettingLiteral(const SettingKey& key, const automation::Variant& value);
Json SettingJson(const SettingKey& key, const automation::Variant& value);
std::string SettingText(const SettingKey& key, const automation::Variant& value);

// Raises CliError(kExitUsage) unless the calendar values (in the order of SettingKeys) form a
// set the reader accepts.
void CheckCalendar(const std::array<automation::Variant, kSettingCount>& values);

}  // namespace prefdesk::cli
