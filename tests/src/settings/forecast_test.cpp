#include "settings_fixture.h"

namespace prefdesk::settings_test {
namespace {

using ProductComparisonTest = SettingsTest;
using ForecastTest = SettingsTest;

TEST_F(ProductComparisonTest, ZeroIsAcceptedAndUnlistedValuesBecomeZero) {
  ServerRow("F_PRDACMPMAX", "0");
  int32_t records = -1;
  EXPECT_FALSE(prefdesk_->GetValProductComparisonRecords(recorder_, records));
  EXPECT_EQ(records, 0);

  db_.ExecServer("UPDATE T_PMISC SET F_PRDACMPMAX = 40");
  EXPECT_FALSE(prefdesk_->GetValProductComparisonRecords(recorder_, records));
  EXPECT_EQ(records, 40);

  db_.ExecServer("UPDATE T_PMISC SET F_PRDACMPMAX = 15");
  EXPECT_FALSE(prefdesk_->GetValProductComparisonRecords(recorder_, records));
  EXPECT_EQ(records, 0);

  EXPECT_EQ(Queries().at(0), "Select F_PRDACMPMAX From T_PMISC Where F_UID= 7");
}

TEST_F(ProductComparisonTest, NoRowOrFailedQueryGiveZeroAndMissingServiceFails) {
  int32_t records = 20;
  EXPECT_FALSE(prefdesk_->GetValProductComparisonRecords(recorder_, records));
  EXPECT_EQ(records, 0);
  db_.ExecServer("DROP TABLE T_PMISC");
  records = 20;
  EXPECT_FALSE(prefdesk_->GetValProductComparisonRecords(recorder_, records));
  EXPECT_EQ(records, 0);
  records = 20;
  EXPECT_TRUE(prefdesk_->GetValProductComparisonRecords(nullptr, records));
  EXPECT_EQ(records, 20);
  EXPECT_TRUE(ErrorWindows().empty());
}

TEST_F(ForecastTest, NullQuarterBecomesSixAndOthersComeFromTheRow) {
  ServerRow("F_FCSLENGTH_MM, F_FCSLENGTH_QT, F_FCSLENGTH_YR", "12, NULL, 3");
  int32_t months = 0, quarters = 0, years = 0;
  EXPECT_FALSE(prefdesk_->GetValForecast(recorder_, months, quarters, years));
  EXPECT_EQ(months, 12);
  EXPECT_EQ(quarters, 6);
  EXPECT_EQ(years, 3);
  EXPECT_EQ(Queries(), std::vector<std::string>{
                           "Select F_FCSLENGTH_MM, F_FCSLENGTH_QT, F_FCSLENGTH_YR From T_PMISC "
                           "Where F_UID = 7"});
}

TEST_F(ForecastTest, ValuesAreNotRangeChecked) {
  ServerRow("F_FCSLENGTH_MM, F_FCSLENGTH_QT, F_FCSLENGTH_YR", "-4, 0, 1000");
  int32_t months = 0, quarters = 0, years = 0;
  EXPECT_FALSE(prefdesk_->GetValForecast(recorder_, months, quarters, years));
  EXPECT_EQ(months, -4);
  EXPECT_EQ(quarters, 0);
  EXPECT_EQ(years, 1000);
}

TEST_F(ForecastTest, NoRowGivesSixEverywhere) {
  int32_t months = 1, quarters = 1, years = 1;
  EXPECT_FALSE(prefdesk_->GetValForecast(recorder_, months, quarters, years));
  EXPECT_EQ(months, 6);
  EXPECT_EQ(quarters, 6);
  EXPECT_EQ(years, 6);
}

TEST_F(ForecastTest, AnErrorKeepsTheOutputsAlreadyWritten) {
  if (db_.Backend() == test_support::ServerBackend::kPostgres) {
    GTEST_SKIP() << "a typed integer column cannot hold text";
  }
  ServerRow("F_FCSLENGTH_MM, F_FCSLENGTH_QT, F_FCSLENGTH_YR", "9, 'many', 2");
  int32_t months = 1, quarters = 1, years = 1;
  EXPECT_TRUE(prefdesk_->GetValForecast(recorder_, months, quarters, years));
  EXPECT_EQ(months, 9);
  EXPECT_EQ(quarters, 1);
  EXPECT_EQ(years, 1);
  EXPECT_TRUE(ErrorWindows().empty());
}

}  // namespace
}  // namespace prefdesk::settings_test
