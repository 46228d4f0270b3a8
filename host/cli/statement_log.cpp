#include "host/cli/statement_log.h"

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "host/datacenter/statement_recorder.h"
#include "host/datacenter/statement_trace.h"

namespace prefdesk::cli {

namespace {

const char* LogFile() { return std::getenv("PREFDESK_STATEMENT_LOG"); }

// The trace goes on every connection, so it is installed before the first one opens.
const bool kTraceInstalled = [] {
  if (LogFile() != nullptr) datacenter::InstallLocalTrace();
  return true;
}();

struct Log {
  std::shared_ptr<datacenter::StatementRecorder> recorder;
  std::unique_ptr<datacenter::LocalCapture> local;
};

// Kept to the end of the process: written by an exit handler, after the command's objects are
// gone and before the trace's own state is.
Log* TheLog() {
  static Log* const log = new Log;
  return log;
}

void WriteLog() {
  Log& log = *TheLog();
  std::ofstream out(LogFile(), std::ios::trunc);
  for (const std::string& sql : datacenter::SqliteStatements(log.recorder->Calls())) out << sql << ";\n";
  for (const std::string& sql : log.local->Take()) out << sql << ";\n";
}

}  // namespace

storage::DataCenterRef LogStatements(storage::DataCenterRef server, const std::filesystem::path& local) {
  if (LogFile() == nullptr || TheLog()->recorder) return server;
  Log& log = *TheLog();
  log.recorder = std::make_shared<datacenter::StatementRecorder>(std::move(server));
  log.local = std::make_unique<datacenter::LocalCapture>(local);
  std::atexit(WriteLog);
  return log.recorder;
}

}  // namespace prefdesk::cli
