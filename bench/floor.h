// The floor of an operation: the statements it sent, run again directly with the SQLite API
// against the same database files. Each statement is prepared once per run, every row is
// stepped through and every column read once; nothing else is done. The stricter floor is what
// a program that knows its statements pays: each prepared once for all runs and reset after
// each, on connections that stay open.
#pragma once

#include <filesystem>
#include <string>
#include <vector>


struct sqlite3;
struct sqlite3_stmt;

namespace prefdesk::bench {

enum class Target { Server, Local };

struct CapturedStatement {
  Target target;
  std::string sql;
};

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
  // The same with the statements prepared on the first run and reset after every run.
  long RunPrepared();

  const std::vector<CapturedStatement>& Statements() const { return statements_; }

 private:
  long RunOn(sqlite3* db, const std::string& sql);
  sqlite3* PreparedOn(const CapturedStatement& statement);

  std::filesystem::path local_file_;
  std::vector<CapturedStatement> statements_;
  bool reopen_local_;
  sqlite3* server_ = nullptr;
  sqlite3* local_ = nullptr;
  sqlite3* kept_local_ = nullptr;  // the stricter floor's, when the floor reopens
  std::vector<sqlite3_stmt*> prepared_;
};

}  // namespace prefdesk::bench
