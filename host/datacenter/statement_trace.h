// The statements run on one SQLite database file, taken from the engine's statement trace: what
// a run sends to the local defaults database (the data service's calls come from a
// StatementRecorder). The benchmarks' floors and prefdesk-host's statement log use it.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace prefdesk::datacenter {

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

}  // namespace prefdesk::datacenter
