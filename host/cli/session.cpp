#include "host/cli/session.h"

#include <iostream>

#include "host/cli/cli_error.h"
#include "host/cli/database_checks.h"
#include "host/cli/full_program.h"
#include "host/cli/layout_position_warning.h"
#include "host/cli/locations.h"
#include "host/cli/server_access.h"
#include "host/cli/statement_log.h"
#include "host/cli/store_size_warning.h"
#include "host/datacenter/sqlite_datacenter.h"
#include "platform/automation/error.h"
#include "platform/ado/recordset.h"
#include "platform/ui/toolkit.h"
#include "src/component/enumerations.h"
#include "src/component/create_prefdesk.h"
#include "src/resources/strings.h"
#include "src/storage/schema.h"
#ifdef PREFDESK_HAVE_POSTGRESQL
#include "host/datacenter/postgres_data_center.h"
#include "host/datacenter/postgres_standby_reads.h"
#endif

namespace prefdesk::cli {

namespace {

void SetLanguage(const CommandLine& line) {
  const std::optional<std::string> lang = line.Value("lang");
  if (!lang) return;
  if (*lang == "en") {
    resources::SetInterfaceLanguage(resources::kLangEnglish);
  } else if (*lang == "zh") {
    resources::SetInterfaceLanguage(resources::kLangChinese);
  } else {
    throw CliError(kExitUsage, "--lang '" + *lang + "': use en or zh");
  }
}

std::shared_ptr<ado::Connection> OpenLocal(const std::filesystem::path& path, std::string& connection_string) {
  CheckDatabaseFile(path, "local defaults database");
  connection_string = "Data Source=" + path.string() + ";";
  auto local = ado::Connection::Create();
  try {
    local->Open(connection_string);
    local->Execute(std::string("SELECT * FROM ") + storage::schema::DefaultOtherStyle + " WHERE 1=0")->Close();
  } catch (const automation::AutomationError& error) {
    throw CliError(kExitDatabase, "local defaults database " + path.string() +
                                      " is not usable: " + error.Description());
  }
  return local;
}

// Reads from the server once, so that a missing schema or a lost server shows now.
void ProbeServer(storage::DataCenter& server, const ServerLocation& where, ExitCode failure) {
  std::shared_ptr<ado::Recordset> rs;
  const std::string probe = std::string("SELECT F_UID FROM ") + storage::schema::T_PHBUTTON + " WHERE F_UID=0";
  if (server.OpenRecordsetByString(rs, probe) < 0) {
    throw CliError(failure, "server " + where.Describe() + ": " + FailureText(server));
  }
  rs->Close();
}

storage::DataCenterRef OpenServer(const ServerLocation& where, int16_t user, bool verbose) {
  if (where.kind == ServerLocation::Kind::kSqlite) {
    CheckDatabaseFile(where.path, "server database");
    auto server = std::make_shared<datacenter::SqliteDataCenter>(where.path.string(), user);
    ProbeServer(*server, where, kExitDatabase);
    WarnWhenSqliteStoreOutgrown(*server, std::cerr);
    if (verbose) std::cerr << "server: " << where.Describe() << "\n";
    return server;
  }
#ifdef PREFDESK_HAVE_POSTGRESQL
  datacenter::PostgresSettings settings;
  settings.schema = where.schema;
  auto server = std::make_shared<datacenter::PostgresDataCenter>(where.connection_string, user, settings);
  const bool reached = server->Connected() || [&] {
    std::shared_ptr<ado::Recordset> rs;
    return server->OpenRecordsetByString(rs, "SELECT 1 AS one") >= 0;
  }();
  if (!reached) {
    throw CliError(kExitUnreachable, "cannot reach the server " + where.Describe() + ": " +
                                         server->GetErrInfo().Description);
  }
  ProbeServer(*server, where, kExitDatabase);
  if (verbose) std::cerr << "server: connected to " << server->ServerReached() << "\n";
  if (where.read_connection_string.empty()) return server;
  // An unreachable read server is no failure: the primary answers until it comes back.
  auto reads = std::make_shared<datacenter::PostgresDataCenter>(where.read_connection_string, user, settings);
  if (verbose) {
    std::cerr << "reads: " << (reads->Connected() ? "connected to " + reads->ServerReached()
                                                  : "not reached, the server answers them")
              << "\n";
  }
  return std::make_shared<datacenter::StandbyReadsDataCenter>(server, reads);
#else
  RunInFullProgram(kBuiltWithoutPostgres);
#endif
}

}  // namespace

const char* OutcomeName(int32_t outcome) {
  switch (outcome) {
    case component::E_OptionSuccess: return "E_OptionSuccess";
    case component::E_OptionFail: return "E_OptionFail";
    case component::E_OptionCancel: return "E_OptionCancel";
    default: return "unknown";
  }
}

std::shared_ptr<ado::Connection> OpenDefaultsOnly(const CommandLine& line) {
  SetLanguage(line);
  std::string connection_string;
  return OpenLocal(DefaultsPath(line), connection_string);
}

storage::DataCenterRef OpenServerOnly(const CommandLine& line) {
  SetLanguage(line);
  return OpenServer(ServerOption(line), 0, line.Has("verbose"));
}

Session::Session(const CommandLine& line, int16_t user, Shows shows)
    : driver_(std::make_shared<ui::HeadlessDriver>()), user_(user) {
  SetLanguage(line);
  const ServerLocation server = ServerOption(line);
  local_ = OpenLocal(DefaultsPath(line), local_connection_string_);
  storage::DataCenterRef opened = OpenServer(server, user, line.Has("verbose"));
  if (shows == Shows::kLayout && user > 0) WarnWhenLayoutHasNoPositions(*opened, user, std::cerr);
  server_ = LogStatements(std::move(opened), DefaultsPath(line));
  ui::Toolkit::Current().SetFrontEnd(driver_);
  prefdesk_ = component::CreatePrefdesk();
  prefdesk_->SetDataCenter(server_);
  prefdesk_->SetBaseConn(local_);
  prefdesk_->SetUserID(user);
}

std::vector<std::string> Session::TakeMessages() {
  std::vector<std::string> messages;
  const auto& journal = driver_->Journal();
  for (; journal_read_ < journal.size(); ++journal_read_) {
    const ui::JournalEntry& entry = journal[journal_read_];
    if (entry.kind == ui::JournalEntry::Kind::MessageBox) {
      messages.push_back(entry.prompt);
      continue;
    }
    const bool error = entry.window_name == "FrmShowErr";
    if (!error && entry.window_name != "FrmShowInfor") continue;
    std::string text = error ? "error: " + entry.caption : entry.caption;
    for (const auto& [name, value] : entry.text_boxes) {
      if (!value.empty()) text += (text.empty() ? "" : ": ") + value;
    }
    messages.push_back(text);
  }
  return messages;
}

void Session::Failed(const std::string& what) {
  std::string message = what + " failed";
  for (const std::string& shown : TakeMessages()) message += "; " + shown;
  throw CliError(kExitFailed, message);
}

}  // namespace prefdesk::cli
