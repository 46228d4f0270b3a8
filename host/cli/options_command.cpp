#include <cstdlib>
#include <iostream>
#include <memory>

#include "host/cli/cli_error.h"
#include "host/cli/command_line.h"
#include "host/cli/commands.h"
#include "host/cli/session.h"
#include "host/cli/user_script.h"
#include "platform/automation/conversions.h"
#include "platform/automation/json_text.h"
#include "platform/ui/toolkit.h"
#include "platform/ui/window.h"
#include "src/component/enumerations.h"
#ifdef PREFDESK_HAVE_QT
#include <QApplication>

#include "platform/ui_qt/qt_front_end.h"
#endif

namespace prefdesk::cli {

namespace {

const char* OutcomeName(int32_t outcome) {
  switch (outcome) {
    case component::E_OptionSuccess: return "E_OptionSuccess";
    case component::E_OptionFail: return "E_OptionFail";
    case component::E_OptionCancel: return "E_OptionCancel";
    default: return "unknown";
  }
}

bool HasDisplay() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return true;
  }
  return false;
}

// Shows the dialog in real windows; returns when the person closed it.
bool ShowInQt(Session& session) {
#ifdef PREFDESK_HAVE_QT
  int argc = 1;
  char name[] = "prefdesk-host";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  auto previous = ui::Toolkit::Current().SetFrontEnd(std::make_shared<ui_qt::QtFrontEnd>());
  const bool failed = session.Prefdesk().ShowOption();
  ui::Toolkit::Current().SetFrontEnd(previous);
  return failed;
#else
  throw CliError(kExitUsage, "this prefdesk-host was built without Qt; use --ui headless --script FILE");
#endif
}

}  // namespace

int RunOptions(const Words& words) {
  std::vector<OptionSpec> accepted = DatabaseOptions();
  for (const char* name : {"user", "ui", "script"}) accepted.push_back({name, true});
  accepted.push_back({"json", false});
  const CommandLine line = CommandLine::Parse("options", words, accepted);
  const std::string ui = line.ValueOr("ui", line.Value("script") || !HasDisplay() ? "headless" : "qt");
  if (ui != "headless" && ui != "qt") throw CliError(kExitUsage, "--ui '" + ui + "': use qt or headless");
  if (ui == "headless" && !line.Value("script")) {
    throw CliError(kExitUsage, "without a display the dialog needs --script FILE (see: prefdesk-host options --help)");
  }
  if (ui == "qt" && line.Value("script")) throw CliError(kExitUsage, "--script runs with --ui headless only");
  const int16_t user = UserOption(line);
  // The script is checked in full before the databases are touched.
  std::unique_ptr<UserScript> script;
  if (const auto file = line.Value("script")) script = std::make_unique<UserScript>(UserScript::Load(*file));

  Session session(line, user);
  std::vector<int32_t> outcomes;
  session.Prefdesk().Advise([&](int32_t, const automation::Arguments& args) {
    outcomes.push_back(args.empty() ? -1 : automation::CLng(args[0]));
  });
  bool failed = false;
  if (script) {
    session.Driver().SetScript("frmOption", [&](ui::Window& window) { script->Run(window, session.Driver()); });
    failed = session.Prefdesk().ShowOption();
  } else {
    failed = ShowInQt(session);
  }
  if (script && !script->Error().empty()) throw CliError(kExitScript, script->Error() + "; nothing saved");
  if (failed) session.Failed("opening the options dialog");

  const std::vector<std::string> messages = session.TakeMessages();
  const int32_t outcome = outcomes.empty() ? -1 : outcomes.back();
  if (line.Has("json")) {
    automation::detail::JsonWriter json;
    json.BeginObject();
    json.Key("event");
    json.String("OptionSuccess");
    json.Key("outcome");
    json.String(OutcomeName(outcome));
    json.Key("value");
    json.Number(outcome);
    json.Key("messages");
    json.BeginArray();
    for (const std::string& message : messages) json.String(message);
    json.EndArray();
    json.EndObject();
    std::cout << json.Take();
  } else {
    for (const std::string& message : messages) std::cout << "message: " << message << "\n";
    std::cout << "OptionSuccess: " << OutcomeName(outcome) << " (" << outcome << ")\n";
  }
  return outcome == component::E_OptionFail ? kExitFailed : kExitOk;
}

}  // namespace prefdesk::cli
