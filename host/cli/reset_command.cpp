#include <iostream>
#include <string>
#include <unistd.h>

#include "host/cli/cli_error.h"
#include "host/cli/command_line.h"
#include "host/cli/commands.h"
#include "host/cli/session.h"
#include "platform/ado/recordset.h"
#include "platform/automation/conversions.h"
#include "src/storage/sql_literal.h"

namespace prefdesk::cli {

namespace {

int32_t CountRows(Session& session, const std::string& table) {
  std::shared_ptr<ado::Recordset> rs;
  const std::string sql = "SELECT COUNT(*) AS N FROM " + table + " WHERE F_UID=" + storage::SqlInt(session.User());
  if (session.Server()->OpenRecordsetByString(rs, sql) < 0) {
    throw CliError(kExitFailed, "reading " + table + " failed: " + session.Server()->GetErrInfo().Description);
  }
  const int32_t count = automation::CLng((*rs)["N"]);
  rs->Close();
  return count;
}

bool Confirmed(const std::string& question) {
  std::cout << question << " [y/N] " << std::flush;
  std::string answer;
  if (!std::getline(std::cin, answer)) {
    std::cout << "\n";
    return false;
  }
  return answer == "y" || answer == "Y" || answer == "yes";
}

}  // namespace

int RunReset(const Words& words) {
  std::vector<OptionSpec> accepted = DatabaseOptions();
  accepted.push_back({"user", true});
  accepted.push_back({"yes", false});
  const CommandLine line = CommandLine::Parse("reset", words, accepted);
  Session session(line, UserOption(line));
  const int32_t titles = CountRows(session, "T_PHBUTTON");
  const int32_t lists = CountRows(session, "T_PVBUTTON");
  const std::string user = std::to_string(session.User());
  if (titles == 0 && lists == 0) {
    std::cout << "user " << user << " has no saved layout: the factory layout applies already\n";
    return kExitOk;
  }
  const std::string what = "the saved layout of user " + user + " (" + std::to_string(titles) + " titles, " +
                           std::to_string(lists) + " lists)";
  if (!line.Has("yes") && !Confirmed("Remove " + what + "?")) {
    throw CliError(kExitRefused, "not confirmed; nothing removed (--yes skips the question)");
  }
  storage::DataCenter& server = *session.Server();
  const std::string condition = "F_UID=" + storage::SqlInt(session.User());
  server.BeginTrans();
  if (server.Delete("T_PHBUTTON", condition) < 0 || server.Delete("T_PVBUTTON", condition) < 0) {
    const std::string error = server.GetErrInfo().Description;
    server.RollbackTrans();
    throw CliError(kExitFailed, "removing the layout failed, nothing removed: " + error);
  }
  const storage::ErrInfo before = server.GetErrInfo();
  server.CommitTrans();
  const storage::ErrInfo after = server.GetErrInfo();
  if (server.InTransaction() || after.Number != before.Number || after.Description != before.Description) {
    throw CliError(kExitFailed, "removing the layout failed: " + server.GetErrInfo().Description);
  }
  std::cout << "removed " << what << "\n";
  return kExitOk;
}

}  // namespace prefdesk::cli
