// Shared set-up of the layout tests: fresh databases for user 7, a statement recorder over a
// fault injector over the SQLite data service, the headless front end, English interface.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "host/datacenter/fault_injector.h"
#include "host/datacenter/statement_recorder.h"
#include "platform/ado/recordset.h"
#include "platform/ui/headless_driver.h"
#include "support/shown_windows.h"
#include "support/temp_databases.h"

namespace prefdesk::columns::testing {

inline constexpr int16_t kUser = 7;

class ColumnsTest : public ::testing::Test {
 protected:
  ColumnsTest();
  ~ColumnsTest() override;

  // The error windows shown so far, as "caption|title line|description".
  std::vector<std::string> ShownErrors() const { return test_support::ShownErrors(driver_); }
  // Texts of the statements sent through the data service, in order.
  std::vector<std::string> Queries() const;

  test_support::TempDatabases db_{kUser};
  std::shared_ptr<datacenter::FaultInjector> faults_;
  std::shared_ptr<datacenter::StatementRecorder> recorder_;
  ui::HeadlessDriver& driver_;
};

// Every row of the record set from its first, each as its field values joined by "|"
// (booleans 1/0, null "NULL").
std::vector<std::string> RowsOf(ado::Recordset& rs);

}  // namespace prefdesk::columns::testing
