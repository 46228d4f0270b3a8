// The databases the benchmarks run on: the seeded catalogue (scale 1) or the catalogue
// multiplied with new names and ids in both databases (scale 10). User 1 has a saved layout
// and a settings row, user 2 is new (local defaults), user 3 has a saved layout that the save
// benchmark rewrites. Measured runs talk to the SQLite data service directly; the capture run
// goes through a StatementRecorder.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>

#include "bench/floor.h"
#include "host/datacenter/statement_recorder.h"
#include "src/component/cls_prefdesk.h"
#include "support/temp_databases.h"

namespace prefdesk::bench {

inline constexpr int16_t kSavedUser = 1;
inline constexpr int16_t kNewUser = 2;
inline constexpr int16_t kSaveUser = 3;

class BenchEnv {
 public:
  // The environment of one scale (1 or 10), built on first use and kept for the process.
  static BenchEnv& Get(int scale);

  // Makes the component work on these databases as the given user.
  component::ClsPrefdesk& Use(int16_t user);

  // The operation gets the data service to use; the component's own is the same one.
  using Operation = std::function<void(const storage::DataCenterRef&)>;
  // Runs the operation once with its statements captured and returns their floor.
  std::unique_ptr<Floor> Capture(const Operation& operation, bool reopen_local = false);
  // The data service of measured runs.
  storage::DataCenterRef Service() const { return db_.Server(); }

  test_support::TempDatabases& Databases() { return db_; }
  const std::shared_ptr<datacenter::StatementRecorder>& Recorder() const { return recorder_; }
  int Scale() const { return scale_; }

 private:
  explicit BenchEnv(int scale);
  void MultiplyCatalogue();

  int scale_;
  test_support::TempDatabases db_{kSavedUser};
  std::shared_ptr<datacenter::StatementRecorder> recorder_;
};

// Copies the databases of both scales into folder/x1 and folder/x10 (local.db, server.db),
// for the whole-process benchmark (bench/whole_process.sh).
void WriteDatabases(const std::filesystem::path& folder);

// The one component instance of the process (its shared state is per thread).
component::ClsPrefdesk& Component();

}  // namespace prefdesk::bench
