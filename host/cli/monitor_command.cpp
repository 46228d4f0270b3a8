// monitor: one line per committed change of a user's (or every user's) stored preferences,
// until SIGINT or SIGTERM, which end it with exit 0. It sleeps in poll() between changes.
#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <iostream>

#include "host/cli/cli_error.h"
#include "host/cli/command_line.h"
#include "host/cli/commands.h"
#include "host/cli/database_checks.h"
#include "host/cli/full_program.h"
#include "host/cli/json_output.h"
#include "host/cli/locations.h"
#include "host/datacenter/preference_watch.h"
#include "platform/automation/error.h"

namespace prefdesk::cli {

namespace {

using datacenter::PreferenceChange;

// "2026-12-07T10:15:30.123Z"
std::string TimeText(std::chrono::system_clock::time_point time) {
  const std::time_t seconds = std::chrono::system_clock::to_time_t(time);
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(time.time_since_epoch()).count() % 1000;
  std::tm utc{};
  gmtime_r(&seconds, &utc);
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", utc.tm_year + 1900, utc.tm_mon + 1,
                utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec, static_cast<int>(ms));
  return text;
}

void PrintChange(const PreferenceChange& change, bool json) {
  if (json) {
    Json line = {{"time", TimeText(change.time)}};
    line["user"] = change.user == datacenter::kAllUsers ? Json() : Json(change.user);
    Json names = Json::array();
    for (unsigned kind = datacenter::kSettingsChanged; kind & datacenter::kAllKinds; kind <<= 1) {
      if (change.kinds & kind) names.push_back(datacenter::ChangeKindNames(kind));
    }
    line["kinds"] = names;
    line["may_have_changed"] = change.may_have_changed;
    line["stamp"] = change.stamp;
    std::cout << line.dump() << std::endl;
  } else {
    std::cout << TimeText(change.time) << ' '
              << (change.user == datacenter::kAllUsers ? std::string("every user")
                                                        : "user " + std::to_string(change.user))
              << ' ' << (change.may_have_changed ? "may have changed" : datacenter::ChangeKindNames(change.kinds))
              << std::endl;
  }
  if (!std::cout) throw CliError(kExitFailed, "cannot write to standard output");
}

std::unique_ptr<datacenter::PreferenceWatch> StartWatch(const ServerLocation& server, int32_t user,
                                                        datacenter::ChangeCallback on_change) {
  auto notice = [](const std::string& line) { std::cerr << "prefdesk-host monitor: " << line << std::endl; };
  try {
    if (server.kind == ServerLocation::Kind::kSqlite) {
      CheckDatabaseFile(server.path, "server database");
      return datacenter::WatchSqlite(server.path.string(), user, std::move(on_change), notice);
    }
#ifdef PREFDESK_HAVE_POSTGRESQL
    return datacenter::WatchPostgres(server.connection_string, server.schema, user, std::move(on_change), notice);
#else
    RunInFullProgram(kBuiltWithoutPostgres);
#endif
  } catch (const automation::AutomationError& error) {
    const bool unreachable = error.Description().rfind("cannot reach", 0) == 0;
    throw CliError(unreachable ? kExitUnreachable : kExitFailed, server.Describe() + ": " + error.Description());
  }
}

}  // namespace

int RunMonitor(const Words& words) {
  std::vector<OptionSpec> accepted = DatabaseOptions();
  accepted.insert(accepted.end(), {{"user", true}, {"all", false}, {"json", false}});
  const CommandLine line = CommandLine::Parse("monitor", words, accepted);
  if (!line.Positional().empty()) throw CliError(kExitUsage, "monitor takes no words: " + line.Positional()[0]);
  if (line.Has("all") == line.Value("user").has_value()) {
    throw CliError(kExitUsage, "monitor needs --user N or --all (see: prefdesk-host monitor --help)");
  }
  const int32_t user = line.Has("all") ? datacenter::kAllUsers : UserOption(line);
  const bool json = line.Has("json");

  const auto watch = StartWatch(ServerOption(line), user, [json](const PreferenceChange& c) { PrintChange(c, json); });
  // SIGINT and SIGTERM arrive as a readable descriptor beside the watch's.
  sigset_t stop;
  sigemptyset(&stop);
  sigaddset(&stop, SIGINT);
  sigaddset(&stop, SIGTERM);
  sigprocmask(SIG_BLOCK, &stop, nullptr);
  const int signals = signalfd(-1, &stop, SFD_CLOEXEC);
  if (signals < 0) throw CliError(kExitFailed, "cannot wait for signals");
  pollfd fds[2] = {{signals, POLLIN, 0}, {watch->Descriptor(), POLLIN, 0}};
  for (;;) {
    if (poll(fds, 2, -1) < 0) {
      if (errno == EINTR) continue;
      break;
    }
    if (fds[0].revents) break;
    if (fds[1].revents) watch->Dispatch();
  }
  close(signals);
  return kExitOk;
}

}  // namespace prefdesk::cli
