// bar, settings and default-column: what the host reads from the component for one user.
#include <cstdio>
#include <iostream>
#include <memory>

#include "host/cli/cli_error.h"
#include "host/cli/command_line.h"
#include "host/cli/commands.h"
#include "host/cli/session.h"
#include "platform/automation/conversions.h"
#include "platform/automation/json_text.h"
#include "platform/columnsbar/columns_bar.h"

namespace prefdesk::cli {

namespace {

CommandLine ReadLine(const std::string& command, const Words& words) {
  std::vector<OptionSpec> accepted = DatabaseOptions();
  accepted.push_back({"user", true});
  accepted.push_back({"json", false});
  CommandLine line = CommandLine::Parse(command, words, accepted);
  if (!line.Positional().empty()) {
    throw CliError(kExitUsage, command + " takes no words: " + line.Positional()[0]);
  }
  return line;
}

std::string TimeText(automation::Date time) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", automation::Hour(time), automation::Minute(time),
                automation::Second(time));
  return text;
}

// One setting: its name and value as text; numbers stay numbers in JSON.
struct Setting {
  std::string name;
  std::string text;
  bool number;
};

void Print(const std::vector<Setting>& settings, bool json) {
  if (!json) {
    for (const Setting& s : settings) std::cout << s.name << std::string(30 - s.name.size(), ' ') << s.text << "\n";
    return;
  }
  automation::detail::JsonWriter out;
  out.BeginObject();
  for (const Setting& s : settings) {
    out.Key(s.name);
    if (s.number) {
      out.Number(std::stoll(s.text));
    } else {
      out.String(s.text);
    }
  }
  out.EndObject();
  std::cout << out.Take();
}

}  // namespace

int RunBar(const Words& words) {
  const CommandLine line = ReadLine("bar", words);
  Session session(line, UserOption(line));
  std::shared_ptr<columnsbar::ColumnsBar> bar;
  if (session.Prefdesk().ReadColumnsBar(session.LocalConnectionString(), session.Server(), bar) || !bar) {
    std::vector<std::string> shown = session.TakeMessages();
    if (!shown.empty() || !bar) {
      std::string message = "reading the column bar failed";
      for (const std::string& text : shown) message += "; " + text;
      throw CliError(kExitFailed, message);
    }
    // No error shown: the user has no saved layout yet, the client shows its factory layout.
    if (!line.Has("json")) {
      std::cout << "(user " << session.User() << " has no saved layout; the factory layout applies)\n";
      return kExitOk;
    }
  }
  std::cout << (line.Has("json") ? bar->ToJson() : bar->ToText());
  return kExitOk;
}

int RunSettings(const Words& words) {
  const CommandLine line = ReadLine("settings", words);
  Session session(line, UserOption(line));
  auto& prefdesk = session.Prefdesk();
  const auto& server = session.Server();
  const auto& local = session.Local();

  int32_t max_history = 0;
  if (prefdesk.GetValMaxHistoryRecords(server, local, max_history)) session.Failed("GetValMaxHistoryRecords");
  int32_t comparisons = 0;
  if (prefdesk.GetValProductComparisonRecords(server, comparisons)) session.Failed("GetValProductComparisonRecords");
  int32_t month = 0, quarter = 0, year = 0;
  if (prefdesk.GetValForecast(server, month, quarter, year)) session.Failed("GetValForecast");
  automation::Date duration{}, start{}, end{}, alarm{};
  int32_t interval = 0;
  if (prefdesk.GetValsCalendar(server, local, duration, start, end, alarm, interval)) {
    session.Failed("GetValsCalendar");
  }
  std::string charge_number;
  automation::Currency cash{};
  if (prefdesk.GetValExpenseReport(server, local, charge_number, cash)) session.Failed("GetValExpenseReport");

  Print({{"MaxHistoryRecords", std::to_string(max_history), true},
         {"ProductComparisonRecords", std::to_string(comparisons), true},
         {"MonthLength", std::to_string(month), true},
         {"QuarterLength", std::to_string(quarter), true},
         {"YearLength", std::to_string(year), true},
         {"AppointmentDuration", TimeText(duration), false},
         {"AppointmentStartDayTime", TimeText(start), false},
         {"AppointmentEndDayTime", TimeText(end), false},
         {"AppointmentAlarmBeforeTime", TimeText(alarm), false},
         {"AppointTimeSlotInterval", std::to_string(interval), true},
         {"ExpenseChargeNumber", charge_number, false},
         {"ExpenseCashAdvance", automation::CurrencyToText(cash), false}},
        line.Has("json"));
  return kExitOk;
}

int RunDefaultColumn(const Words& words) {
  const CommandLine line = ReadLine("default-column", words);
  Session session(line, UserOption(line));
  std::string name, caption;
  if (session.Prefdesk().GetDefaultColumn(session.Local(), session.Server(), name, caption)) {
    session.Failed("GetDefaultColumn");
  }
  Print({{"name", name, false}, {"caption", caption, false}}, line.Has("json"));
  return kExitOk;
}

}  // namespace prefdesk::cli
