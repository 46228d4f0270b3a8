#include "test_database.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <atomic>

namespace prefdesk::ado::testing {

TestDatabase::TestDatabase(const std::string& sql) {
  static std::atomic<int> counter{0};
  folder_ = std::filesystem::temp_directory_path() /
            ("prefdesk-ado-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
  std::filesystem::remove_all(folder_);
  std::filesystem::create_directories(folder_);
  path_ = folder_ / "test.db";
  sqlite3* db = nullptr;
  EXPECT_EQ(sqlite3_open_v2(path_.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr),
            SQLITE_OK);
  char* message = nullptr;
  EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message), SQLITE_OK)
      << (message ? message : "");
  sqlite3_free(message);
  sqlite3_close(db);
}

TestDatabase::~TestDatabase() {
  std::error_code ec;
  std::filesystem::remove_all(folder_, ec);
}

std::shared_ptr<Connection> TestDatabase::Connect() const {
  auto connection = Connection::Create();
  connection->Open(ConnectionString());
  return connection;
}

}  // namespace prefdesk::ado::testing
