// The statements one run of an operation sends: the data service's calls, taken from a
// StatementRecorder and written as the SQL the SQLite data service runs for them, and the
// statements run on connections to the local database, taken from SQLite's statement trace.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "host/datacenter/statement_recorder.h"

namespace prefdesk::bench {

enum class Target { Server, Local };

struct CapturedStatement {
  Target target;
  std::string sql;
};

// Installs the trace on every SQLite connection opened from now on. Call once at start-up,
// before any database is opened.
void InstallLocalTrace();

// Collects the statements run on connections to one local database file while it lives.
// Only one capture is active at a time.
class LocalCapture {
 public:
  explicit LocalCapture(const std::filesystem::path& local_file);
  ~LocalCapture();
  LocalCapture(const LocalCapture&) = delete;
  LocalCapture& operator=(const LocalCapture&) = delete;

  std::vector<std::string> Take();
};

// The SQL of the recorded data-service calls (reads, writes and the transaction commands).
std::vector<std::string> ServerStatements(const std::vector<datacenter::RecordedCall>& calls);

}  // namespace prefdesk::bench
