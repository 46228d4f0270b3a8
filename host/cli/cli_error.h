// The one error of the host program: a message a person can act on and the exit code that
// tells a calling script what kind of failure it was.
#pragma once

#include <stdexcept>
#include <string>

namespace prefdesk::cli {

enum ExitCode : int {
  kExitOk = 0,
  kExitFailed = 1,        // the component reported a failure (its message was printed)
  kExitUsage = 2,         // unknown command or option, missing or malformed value
  kExitDatabase = 3,      // a database file is missing, unreadable or not of this program
  kExitUnknownUser = 4,   // the user id is not a user of the server
  kExitScript = 5,        // a line of the user script is wrong or cannot be carried out
  kExitUnreachable = 6,   // the server cannot be reached
  kExitRefused = 7,       // refused: init would overwrite, reset was not confirmed
  kExitNoDisplay = 8,     // the Qt dialog cannot open a window: no display
};

class CliError : public std::runtime_error {
 public:
  CliError(ExitCode code, const std::string& message) : std::runtime_error(message), code_(code) {}
  ExitCode Code() const { return code_; }

 private:
  ExitCode code_;
};

}  // namespace prefdesk::cli
