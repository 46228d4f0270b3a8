// prefdesk-example-host FOLDER: creates the two databases in FOLDER, lets user 5 press OK in
// the options dialog (headless), then prints the navigation bar the user now has.
#include <filesystem>
#include <iostream>

#include "host/prefdesk.h"

using namespace prefdesk;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: prefdesk-example-host FOLDER\n";
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::filesystem::create_directories(folder);
  datacenter::BuildDatabase(PREFDESK_DATA, datacenter::kLocalDatabase, folder / "local.db");
  datacenter::BuildDatabase(PREFDESK_DATA, datacenter::kServerDatabase, folder / "server.db");
  const std::string local_string = "Data Source=" + (folder / "local.db").string() + ";";
  auto local = ado::Connection::Create();
  local->Open(local_string);
  auto server = std::make_shared<datacenter::SqliteDataCenter>((folder / "server.db").string(), 5);

  resources::SetInterfaceLanguage(resources::kLangEnglish);
  ui::HeadlessDriver& driver = ui::Toolkit::Current().UseHeadless();
  driver.SetScript("frmOption", ui::HeadlessDriver::PressDefaultOrClose);

  auto options = dialog::CreatePrefdesk();
  options->SetDataCenter(server);
  options->SetBaseConn(local);
  options->SetUserID(5);
  int32_t outcome = -1;
  options->Advise([&](int32_t, const automation::Arguments& args) { outcome = args[0].Get<int32_t>() ? *args[0].Get<int32_t>() : -1; });
  if (options->ShowOption()) return 1;
  std::cout << "OptionSuccess " << outcome << "\n";

  std::shared_ptr<columnsbar::ColumnsBar> bar;
  if (options->ReadColumnsBar(local_string, server, bar)) return 1;
  std::cout << bar->ToText();
  return outcome == component::E_OptionSuccess ? 0 : 1;
}
