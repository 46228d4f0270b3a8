// An opened pair of databases with a ClsPrefdesk wired to them for one user, running on the
// headless front end. Opening checks every file and the server first, so a wrong path, a
// file of another kind or a server that cannot be reached fails before anything is read.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/cli/command_line.h"
#include "platform/ado/connection.h"
#include "platform/ui/headless_driver.h"
#include "src/component/cls_prefdesk.h"
#include "src/storage/datacenter.h"

namespace prefdesk::cli {

// "E_OptionSuccess", "E_OptionFail", "E_OptionCancel" or "unknown": an OptionSuccess outcome.
const char* OutcomeName(int32_t outcome);

// Opens --defaults alone (the local defaults database, checked as a session checks it).
std::shared_ptr<ado::Connection> OpenDefaultsOnly(const CommandLine& line);
// Opens --server alone (the commands that read and write the server tables directly).
storage::DataCenterRef OpenServerOnly(const CommandLine& line);

// What a command shows of the user: the navigation layout (the dialog, the bar) is read only
// when every level of it has a position, which the session then checks first.
enum class Shows { kSettings, kLayout };

class Session {
 public:
  // Sets the interface language from --lang, opens --defaults and --server for the user.
  Session(const CommandLine& line, int16_t user, Shows shows = Shows::kSettings);

  component::ClsPrefdesk& Prefdesk() { return *prefdesk_; }
  const storage::DataCenterRef& Server() const { return server_; }
  const std::shared_ptr<ado::Connection>& Local() const { return local_; }
  const std::string& LocalConnectionString() const { return local_connection_string_; }
  int16_t User() const { return user_; }
  ui::HeadlessDriver& Driver() { return *driver_; }

  // The messages the component showed since the last call: "error: ..." for its error
  // window, the text alone for its information window.
  std::vector<std::string> TakeMessages();
  // Raises CliError(kExitFailed) naming what failed and the component's error message.
  [[noreturn]] void Failed(const std::string& what);

 private:
  std::shared_ptr<ui::HeadlessDriver> driver_;
  std::shared_ptr<ado::Connection> local_;
  std::string local_connection_string_;
  storage::DataCenterRef server_;
  std::shared_ptr<component::ClsPrefdesk> prefdesk_;
  int16_t user_;
  size_t journal_read_ = 0;
};

}  // namespace prefdesk::cli
