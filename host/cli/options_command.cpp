#include <cstdlib>
#include <iostream>
#include <memory>

#include "host/cli/cli_error.h"
#include "host/cli/command_line.h"
#include "host/cli/full_program.h"
#include "host/cli/commands.h"
#include "host/cli/error_report.h"
#include "host/cli/json_output.h"
#include "host/cli/locations.h"
#include "host/cli/session.h"
#include "host/cli/user_script.h"
#include "platform/automation/conversions.h"
#include "platform/ui/toolkit.h"
#include "platform/ui/window.h"
#include "src/component/enumerations.h"
#include "src/component/create_prefdesk.h"
#include "src/resources/strings.h"
#ifdef PREFDESK_HAVE_QT
#include "platform/ui_qt/application.h"
#include "platform/ui_qt/real_windows.h"
#endif

namespace prefdesk::cli {

namespace {

bool HasDisplay() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return true;
  }
  return false;
}

// The Qt application of real windows. It opens before any database does, so that without a
// display the command ends at once (kExitNoDisplay, one line) having touched nothing.
struct RealWindows {
#ifdef PREFDESK_HAVE_QT
  RealWindows() {
    app = ui_qt::OpenApplication(
        argc, argv,
        [](const std::string& reason) {
          return "prefdesk-host: cannot open a window (" + reason + "); run the dialog headless with --script FILE";
        },
        kExitNoDisplay);
  }
  int argc = 1;
  char name[14] = "prefdesk-host";
  char* argv[2] = {name, nullptr};
  std::unique_ptr<QApplication> app;
#else
  RealWindows() { RunInFullProgram("this prefdesk-host was built without Qt; use --ui headless --script FILE"); }
#endif
};

// Shows the dialog in real windows; returns when the person closed it.
bool ShowInQt(Session& session) {
#ifdef PREFDESK_HAVE_QT
  auto previous = ui::Toolkit::Current().SetFrontEnd(ui_qt::MakeQtFrontEnd(resources::InterfaceLanguage));
  const bool failed = session.Prefdesk().ShowOption();
  ui::Toolkit::Current().SetFrontEnd(previous);
  return failed;
#else
  return true;
#endif
}

}  // namespace

int RunOptions(const Words& words) {
  std::vector<OptionSpec> accepted = DatabaseOptions();
  for (const char* name : {"user", "ui", "script"}) accepted.push_back({name, true});
  accepted.push_back({"json", false});
  accepted.push_back({"appearance-tab", false});
  const CommandLine line = CommandLine::Parse("options", words, accepted);
  const std::string ui = line.ValueOr("ui", line.Value("script") || !HasDisplay() ? "headless" : "qt");
  if (ui != "headless" && ui != "qt") throw CliError(kExitUsage, "--ui '" + ui + "': use qt or headless");
  if (ui == "headless" && !line.Value("script")) {
    throw CliError(kExitUsage, "without a display the dialog needs --script FILE (see: prefdesk-host options --help)");
  }
  if (ui == "qt" && line.Value("script")) throw CliError(kExitUsage, "--script runs with --ui headless only");
  const int16_t user = UserOption(line);
  // A server this program does not serve hands over to the full program now, before the
  // script is read (it may come from stdin). The script is checked in full before the
  // databases are touched.
  ServerOption(line);
  std::unique_ptr<UserScript> script;
  if (const auto file = line.Value("script")) script = std::make_unique<UserScript>(UserScript::Load(*file));
  const std::unique_ptr<RealWindows> windows = script ? nullptr : std::make_unique<RealWindows>();

  Session session(line, user, Shows::kLayout);
  if (line.Has("appearance-tab")) session.Prefdesk().SetEnableAppearanceTab(true);
  std::vector<int32_t> outcomes;
  session.Prefdesk().Advise([&](int32_t, const automation::Arguments& args) {
    outcomes.push_back(args.empty() ? -1 : automation::CLng(args[0]));
  });
  if (component::PutDefaultTitle(session.Prefdesk(), session.Local(), session.Server())) {
    session.Failed("GetDefaultColumn");
  }
  bool failed = false;
  if (script) {
    session.Driver().SetScript("frmOption", [&](ui::Window& window) { script->Run(window, session.Driver()); });
    failed = session.Prefdesk().ShowOption();
  } else {
    failed = ShowInQt(session);
  }
  if (script && !script->Error().empty()) throw CliError(kExitScript, script->Error() + "; nothing saved");
  if (failed && !line.Has("json")) session.Failed("opening the options dialog");

  const std::vector<std::string> messages = session.TakeMessages();
  const int32_t outcome = outcomes.empty() ? -1 : outcomes.back();
  if (line.Has("json")) {
    // A dialog that could not be loaded raises no event: the JSON says so, with the messages.
    Json out = failed ? Json{{"event", nullptr}, {"outcome", "LoadFailed"}, {"value", nullptr}}
                      : Json{{"event", "OptionSuccess"}, {"outcome", OutcomeName(outcome)}, {"value", outcome}};
    out["messages"] = messages;
    PrintJson(out);
    if (failed) return kExitFailed;
  } else {
    // A failed save is an error: its messages go where errors go, as its one line.
    if (outcome == component::E_OptionFail) {
      std::string shown;
      for (const std::string& message : messages) shown += (shown.empty() ? "" : "; ") + message;
      const std::string failure = shown.empty() ? "the save failed" : "the save failed: " + shown;
      ReportLine("options", failure, kExitFailed);
    } else {
      for (const std::string& message : messages) std::cout << "message: " << OneLine(message) << "\n";
    }
    std::cout << "OptionSuccess: " << OutcomeName(outcome) << " (" << outcome << ")\n";
  }
  return outcome == component::E_OptionFail ? kExitFailed : kExitOk;
}

}  // namespace prefdesk::cli
