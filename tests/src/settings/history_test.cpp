#include "settings_fixture.h"

namespace prefdesk::settings_test {
namespace {

using HistoryTest = SettingsTest;

TEST_F(HistoryTest, EveryAcceptedServerValueIsReturnedWithTheExactQuery) {
  for (const int32_t value : {5, 10, 15, 20, 30, 50}) {
    SCOPED_TRACE(value);
    db_.ExecServer("DELETE FROM T_PMISC");
    ServerRow("F_MAXHISTORY", std::to_string(value));
    recorder_->Clear();
    int32_t records = -1;
    EXPECT_FALSE(prefdesk_->GetValMaxHistoryRecords(recorder_, db_.Local(), records));
    EXPECT_EQ(records, value);
    EXPECT_EQ(Queries(), std::vector<std::string>{"Select F_MAXHISTORY From T_PMISC Where F_UID= 7"});
  }
  EXPECT_TRUE(ErrorWindows().empty());
}

TEST_F(HistoryTest, UnusableServerValuesFallBackToTheLocalDefault) {
  // Local default of the factory database is 10.
  for (const char* value : {"25", "NULL", "0", "'abc'"}) {
    SCOPED_TRACE(value);
    // Only a loosely typed server database lets text into an integer column.
    if (db_.Backend() == test_support::ServerBackend::kPostgres && value[0] == '\'') continue;
    db_.ExecServer("DELETE FROM T_PMISC");
    ServerRow("F_MAXHISTORY", value);
    int32_t records = -1;
    EXPECT_FALSE(prefdesk_->GetValMaxHistoryRecords(recorder_, db_.Local(), records));
    EXPECT_EQ(records, 10);
  }
  EXPECT_TRUE(ErrorWindows().empty());
}

TEST_F(HistoryTest, MissingRowFailedQueryOrMissingServiceFallBackSilently) {
  // No row, then no table, then no data service.
  for (int step = 0; step < 3; ++step) {
    int32_t records = -1;
    EXPECT_FALSE(prefdesk_->GetValMaxHistoryRecords(step < 2 ? storage::DataCenterRef(recorder_) : nullptr, db_.Local(), records));
    EXPECT_EQ(records, 10);
    if (step == 0) db_.ExecServer("DROP TABLE T_PMISC");
  }
  EXPECT_TRUE(ErrorWindows().empty());
}

TEST_F(HistoryTest, AnUnusableLocalDefaultIsShownAndGivesZero) {
  int32_t records = -1;
  const auto read = [&] {
    records = -1;
    return prefdesk_->GetValMaxHistoryRecords(recorder_, db_.Local(), records);
  };
  ExpectUnusableLocalRowsShown("GetDefValMaxHistoryRecords", "MaxHistoricalRecords = 25", read,
                               [&] { EXPECT_EQ(records, 0); });
}

TEST_F(HistoryTest, MissingLocalConnectionIsShownAsObjectRequired) {
  int32_t records = -1;
  EXPECT_TRUE(prefdesk_->GetValMaxHistoryRecords(recorder_, nullptr, records));
  EXPECT_EQ(records, 0);
  ASSERT_EQ(ErrorWindows().size(), 1u);
  EXPECT_EQ(ErrorWindows()[0].rfind("GetDefValMaxHistoryRecords|Error:91|", 0), 0u) << ErrorWindows()[0];
}

TEST_F(HistoryTest, UserIdIsWrittenUnchangedEvenWhenNegative) {
  prefdesk_->SetUserID(-3);
  int32_t records = 0;
  EXPECT_FALSE(prefdesk_->GetValMaxHistoryRecords(recorder_, db_.Local(), records));
  EXPECT_EQ(Queries(), std::vector<std::string>{"Select F_MAXHISTORY From T_PMISC Where F_UID= -3"});
}

}  // namespace
}  // namespace prefdesk::settings_test
