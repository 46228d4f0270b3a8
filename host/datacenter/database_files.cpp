#include "host/datacenter/database_files.h"

#include <sqlite3.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>

#include "platform/ado/types.h"
#include "platform/automation/error.h"

namespace prefdesk::datacenter {
namespace {

constexpr const char* kSource = "BuildDatabase";

class Database {
 public:
  explicit Database(const std::filesystem::path& file) {
    if (sqlite3_open(file.string().c_str(), &db_) != SQLITE_OK) {
      const std::string message = db_ ? sqlite3_errmsg(db_) : "out of memory";
      sqlite3_close(db_);
      automation::Raise(ado::kErrProvider, kSource, "Cannot create " + file.string() + ": " + message);
    }
  }
  ~Database() { sqlite3_close(db_); }
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  // Runs the statements of text; returns the engine's message, empty on success.
  std::string Exec(const std::string& text) {
    char* message = nullptr;
    if (sqlite3_exec(db_, text.c_str(), nullptr, nullptr, &message) == SQLITE_OK) return {};
    std::string error = message ? message : sqlite3_errmsg(db_);
    sqlite3_free(message);
    return error;
  }

 private:
  sqlite3* db_ = nullptr;
};

}  // namespace

std::string ReadScript(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) automation::Raise(ado::kErrProvider, kSource, "Cannot read " + file.string());
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::filesystem::path> DatabaseScripts(const std::filesystem::path& data_dir,
                                                   std::string_view kind) {
  const std::string prefix = std::string(kind) + "_";
  const std::filesystem::path schema = data_dir / (prefix + "schema.sql");
  if (!std::filesystem::is_regular_file(schema)) {
    automation::Raise(ado::kErrProvider, kSource, "Missing " + schema.string());
  }
  std::vector<std::filesystem::path> others;
  for (const auto& entry : std::filesystem::directory_iterator(data_dir)) {
    const std::string name = entry.path().filename().string();
    if (entry.is_regular_file() && entry.path() != schema && name.starts_with(prefix) &&
        entry.path().extension() == ".sql") {
      others.push_back(entry.path());
    }
  }
  std::sort(others.begin(), others.end());
  others.insert(others.begin(), schema);
  return others;
}

void BuildDatabase(const std::filesystem::path& data_dir, std::string_view kind,
                   const std::filesystem::path& target) {
  std::vector<std::filesystem::path> files = DatabaseScripts(data_dir, kind);
  if (kind == kServerDatabase) files.push_back(data_dir / kSqliteChangeStampsScript);
  std::vector<std::pair<std::string, std::string>> scripts;  // file name, statements
  for (const auto& script : files) {
    scripts.emplace_back(script.filename().string(), ReadScript(script));
  }
  std::filesystem::remove(target);
  std::string failure;
  {
    Database db(target);
    failure = db.Exec("BEGIN");
    for (const auto& [name, text] : scripts) {
      if (!failure.empty()) break;
      failure = db.Exec(text);
      if (!failure.empty()) failure = name + ": " + failure;
    }
    if (failure.empty()) failure = db.Exec("COMMIT");
  }
  if (!failure.empty()) {
    std::filesystem::remove(target);
    automation::Raise(ado::kErrProvider, kSource, failure);
  }
}

}  // namespace prefdesk::datacenter
