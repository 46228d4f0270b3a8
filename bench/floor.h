// The floor of an operation: the statements it sent, run again directly with the SQLite API
// against the same database files. Each statement is prepared once per run, every row is
// stepped through and every column read once; nothing else is done.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "bench/statement_capture.h"

struct sqlite3;

namespace prefdesk::bench {

class Floor {
 public:
  // reopen_local: the operation opens its own local connection every time, so the floor does
  // too.
  Floor(const std::filesystem::path& server_file, const std::filesystem::path& local_file,
        std::vector<CapturedStatement> statements, bool reopen_local = false);
  ~Floor();
  Floor(const Floor&) = delete;
  Floor& operator=(const Floor&) = delete;

  // Runs every statement once; returns the number of values read. Throws on a failed statement.
  long Run();

  const std::vector<CapturedStatement>& Statements() const { return statements_; }

 private:
  long RunOn(sqlite3* db, const std::string& sql);

  std::filesystem::path local_file_;
  std::vector<CapturedStatement> statements_;
  bool reopen_local_;
  sqlite3* server_ = nullptr;
  sqlite3* local_ = nullptr;
};

}  // namespace prefdesk::bench
