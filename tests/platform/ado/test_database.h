// Real SQLite files for the data-layer tests, each test in its own temporary folder.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "platform/ado/connection.h"

namespace prefdesk::ado::testing {

class TestDatabase {
 public:
  // Creates an empty folder and in it a database file made by running `sql`.
  explicit TestDatabase(const std::string& sql = "");
  ~TestDatabase();

  const std::filesystem::path& Path() const { return path_; }
  std::string ConnectionString() const { return "Data Source=" + path_.string() + ";"; }
  // An open connection to the file.
  std::shared_ptr<Connection> Connect() const;

 private:
  std::filesystem::path folder_;
  std::filesystem::path path_;
};

}  // namespace prefdesk::ado::testing
