// Readers of single settings driven through the public class, on real database files, with
// every statement recorded and every window answered by the headless driver.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "host/datacenter/statement_recorder.h"
#include "platform/automation/conversions.h"
#include "platform/ui/headless_driver.h"
#include "platform/ui/toolkit.h"
#include "src/component/cls_prefdesk.h"
#include "src/resources/strings.h"
#include "support/shown_windows.h"
#include "support/temp_databases.h"

namespace prefdesk::settings_test {

inline constexpr int16_t kUser = 7;

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resources::SetInterfaceLanguage(resources::kLangEnglish);
    recorder_ = std::make_shared<datacenter::StatementRecorder>(db_.Server());
    prefdesk_ = component::ClsPrefdesk::Create();
    prefdesk_->SetUserID(kUser);
  }
  void TearDown() override { resources::SetInterfaceLanguage(0); }

  // The user's T_PMISC row with the given columns and values (SQL text).
  void ServerRow(const std::string& columns, const std::string& values) {
    db_.ExecServer("INSERT INTO T_PMISC (F_UID, " + columns + ") VALUES (" +
                   std::to_string(kUser) + ", " + values + ")");
  }

  // The texts sent through OpenRecordsetByString, in order.
  std::vector<std::string> Queries() const {
    std::vector<std::string> sql;
    for (const auto& call : recorder_->CallsOf("OpenRecordsetByString")) sql.push_back(call.args.at(0));
    return sql;
  }

  // Error windows shown so far, as "caption|title line|description".
  std::vector<std::string> ErrorWindows() const { return test_support::ShownErrors(driver_); }
  void ExpectOneError(const std::string& source, const std::string& title, int string_id) const {
    EXPECT_EQ(ErrorWindows(), std::vector<std::string>{source + "|" + title + "|" + resources::LoadResString(string_id)});
  }
  // The local defaults row with an invalid value (column = value), then no row at all: each
  // time read fails and shows source's error, and check looks at the outputs.
  void ExpectUnusableLocalRowsShown(const std::string& source, const std::string& invalid,
                                    const std::function<bool()>& read, const std::function<void()>& check) {
    const std::tuple<std::string, const char*, int> cases[] = {
        {"UPDATE DefaultOtherStyle SET " + invalid, "Error:1", 2023}, {"DELETE FROM DefaultOtherStyle", "Error:2", 2026}};
    for (const auto& [change, title, message] : cases) {
      SCOPED_TRACE(change);
      db_.ExecLocal(change);
      driver_.ClearJournal();
      EXPECT_TRUE(read());
      check();
      ExpectOneError(source, title, message);
    }
  }

  static automation::Date Time(int hour, int minute) { return automation::TimeSerial(hour, minute, 0); }

  ui::HeadlessDriver& driver_ = ui::Toolkit::Current().UseHeadless();
  test_support::TempDatabases db_;
  std::shared_ptr<datacenter::StatementRecorder> recorder_;
  std::shared_ptr<component::ClsPrefdesk> prefdesk_;
};

}  // namespace prefdesk::settings_test
