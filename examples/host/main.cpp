// prefdesk-example-host FOLDER [--window [--press-ok]] [--follow SECONDS]: creates the two
// databases in FOLDER, shows user 5 the options dialog, then prints the navigation bar the user
// now has. With --follow it then watches user 5's stored preferences for SECONDS and prints
// the bar again whenever another process saves them.
// Without --window the dialog runs headless and OK is pressed at once. With --window it opens
// in a real window (where the package has the Qt front end) for a person to use; --press-ok
// presses OK and the OK of the message after it once they are up, as on a display nobody
// watches (QT_QPA_PLATFORM=offscreen).
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "host/prefdesk.h"
#ifdef PREFDESK_EXAMPLE_WINDOW
#include <QMessageBox>
#include <QPushButton>

#include <QTimer>

#include "platform/ui_qt/application.h"
#include "platform/ui_qt/descriptor_watch.h"
#include "platform/ui_qt/real_windows.h"
#endif

using namespace prefdesk;

namespace {

#ifdef PREFDESK_EXAMPLE_WINDOW
// Makes the real window the dialog's front end for as long as it lives.
struct RealWindow {
  explicit RealWindow(bool press_ok)
      : app(ui_qt::OpenApplication(
            argc, argv, [](const std::string& reason) { return "prefdesk-example-host: no window: " + reason; }, 3)),
        front_end(ui_qt::MakeQtFrontEnd(resources::InterfaceLanguage, press_ok ? PressOk : ui_qt::ShownHook())) {
    ui::Toolkit::Current().SetFrontEnd(front_end);
  }
  static void PressOk(QWidget& widget, ui::Window* window) {
    if (auto* box = qobject_cast<QMessageBox*>(&widget)) box->defaultButton()->click();
    if (window != nullptr && window->Name() == "frmOption") widget.findChild<QPushButton*>("CmdOk")->click();
  }
  ~RealWindow() { ui::Toolkit::Current().SetFrontEnd(nullptr); }
  int argc = 1;
  char name[24] = "prefdesk-example-host";
  char* argv[2] = {name, nullptr};
  std::unique_ptr<QApplication> app;
  std::shared_ptr<ui::FrontEnd> front_end;
};
#endif

// Prints the bar again after each change another process commits, for seconds; the watch runs
// in the Qt event loop where there is one.
void FollowChanges(const std::shared_ptr<component::ClsPrefdesk>& options, const std::string& local_string, const storage::DataCenterRef& server,
                   const std::filesystem::path& server_file, int seconds, [[maybe_unused]] bool in_event_loop) {
  auto refresh = [&](const datacenter::PreferenceChange& change) {
    std::cout << "changed: " << (change.may_have_changed ? "may have changed" : datacenter::ChangeKindNames(change.kinds))
              << "\n";
    std::shared_ptr<columnsbar::ColumnsBar> bar;
    if (options->ReadColumnsBar(local_string, server, bar)) {
      std::cout << "(no saved layout: the client shows the default bar)\n";
    } else {
      std::cout << bar->ToText();
    }
    std::cout << std::flush;
  };
  const auto watch = datacenter::WatchSqlite(server_file.string(), 5, refresh,
                                             [](const std::string& line) { std::cerr << line << "\n"; });
  std::cout << "following user 5 for " << seconds << " s" << std::endl;
#ifdef PREFDESK_EXAMPLE_WINDOW
  if (in_event_loop) {
    ui_qt::DescriptorWatch in_loop(watch->Descriptor(), [&] { watch->Dispatch(); });
    QTimer::singleShot(seconds * 1000, [] { QApplication::quit(); });
    QApplication::exec();
    return;
  }
#endif
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  for (auto now = std::chrono::steady_clock::now(); now < end; now = std::chrono::steady_clock::now()) {
    watch->Wait(std::chrono::duration_cast<std::chrono::milliseconds>(end - now));
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::filesystem::path folder;
  bool real_window = false, press_ok = false, usage = false;
  int follow_seconds = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string word = argv[i];
    if (word == "--window") real_window = true;
    else if (word == "--press-ok") press_ok = true;
    else if (word == "--follow" && i + 1 < argc) follow_seconds = std::atoi(argv[++i]);
    else if (folder.empty() && !word.starts_with("-")) folder = word;
    else usage = true;
  }
  if (usage || folder.empty() || (press_ok && !real_window)) {
    std::cerr << "usage: prefdesk-example-host FOLDER [--window [--press-ok]] [--follow SECONDS]\n";
    return 2;
  }
  std::filesystem::create_directories(folder);
  datacenter::BuildDatabase(PREFDESK_DATA, datacenter::kLocalDatabase, folder / "local.db");
  datacenter::BuildDatabase(PREFDESK_DATA, datacenter::kServerDatabase, folder / "server.db");
  const std::string local_string = "Data Source=" + (folder / "local.db").string() + ";";
  auto local = ado::Connection::Create();
  local->Open(local_string);
  auto server = std::make_shared<datacenter::SqliteDataCenter>((folder / "server.db").string(), 5);

  resources::SetInterfaceLanguage(resources::kLangEnglish);
#ifdef PREFDESK_EXAMPLE_WINDOW
  const auto window = real_window ? std::make_unique<RealWindow>(press_ok) : nullptr;
#else
  if (real_window) {
    std::cerr << "prefdesk-example-host: this package has no Qt front end; run without --window\n";
    return 2;
  }
#endif
  if (!real_window) {
    ui::HeadlessDriver& driver = ui::Toolkit::Current().UseHeadless();
    driver.SetScript("frmOption", ui::HeadlessDriver::PressDefaultOrClose);
  }

  auto options = component::CreatePrefdesk();
  options->SetDataCenter(server);
  options->SetBaseConn(local);
  options->SetUserID(5);
  int32_t outcome = -1;
  options->Advise([&](int32_t, const automation::Arguments& args) { outcome = args[0].Get<int32_t>() ? *args[0].Get<int32_t>() : -1; });
  // The Startup tab opens with the user's start-up title, and a save keeps it.
  if (component::PutDefaultTitle(*options, local, server)) return 1;
  if (options->ShowOption()) return 1;
  std::cout << "OptionSuccess " << outcome << "\n";

  std::shared_ptr<columnsbar::ColumnsBar> bar;
  if (options->ReadColumnsBar(local_string, server, bar)) return 1;
  std::cout << bar->ToText();
  if (follow_seconds > 0) {
    FollowChanges(options, local_string, server, folder / "server.db", follow_seconds, real_window);
  }
  return outcome == component::E_OptionSuccess ? 0 : 1;
}
