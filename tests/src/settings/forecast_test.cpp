#include "settings_fixture.h"

#include <utility>

namespace prefdesk::settings_test {
namespace {

using ProductComparisonTest = SettingsTest;
using ForecastTest = SettingsTest;

TEST_F(ProductComparisonTest, ListedValuesAreTakenAndAnythingElseGivesZero) {
  const std::pair<const char*, int32_t> rows[] = {{"0", 0}, {"40", 40}, {"15", 0}, {nullptr, 0}};
  for (const auto& [value, expected] : rows) {
    SCOPED_TRACE(value ? value : "no row");
    db_.ExecServer("DELETE FROM T_PMISC");
    if (value) ServerRow("F_PRDACMPMAX", value);
    int32_t records = 20;
    EXPECT_FALSE(prefdesk_->GetValProductComparisonRecords(recorder_, records));
    EXPECT_EQ(records, expected);
  }
  EXPECT_EQ(Queries().at(0), "Select F_PRDACMPMAX From T_PMISC Where F_UID= 7");

  db_.ExecServer("DROP TABLE T_PMISC");
  int32_t records = 20;
  EXPECT_FALSE(prefdesk_->GetValProductComparisonRecords(recorder_, records));
  EXPECT_EQ(records, 0);
  records = 20;
  EXPECT_TRUE(prefdesk_->GetValProductComparisonRecords(nullptr, records));
  EXPECT_EQ(records, 20);
  EXPECT_TRUE(ErrorWindows().empty());
}

TEST_F(ForecastTest, RowValuesAreTakenUncheckedAndNullOrNoRowGivesSix) {
  const struct {
    const char* row;  // nullptr: no row
    int32_t months, quarters, years;
  } cases[] = {{"12, NULL, 3", 12, 6, 3}, {"-4, 0, 1000", -4, 0, 1000}, {nullptr, 6, 6, 6}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.row ? c.row : "no row");
    db_.ExecServer("DELETE FROM T_PMISC");
    if (c.row) ServerRow("F_FCSLENGTH_MM, F_FCSLENGTH_QT, F_FCSLENGTH_YR", c.row);
    recorder_->Clear();
    int32_t months = 1, quarters = 1, years = 1;
    EXPECT_FALSE(prefdesk_->GetValForecast(recorder_, months, quarters, years));
    EXPECT_EQ(std::vector<int32_t>({months, quarters, years}),
              std::vector<int32_t>({c.months, c.quarters, c.years}));
    EXPECT_EQ(Queries(), std::vector<std::string>{
                             "Select F_FCSLENGTH_MM, F_FCSLENGTH_QT, F_FCSLENGTH_YR From T_PMISC "
                             "Where F_UID = 7"});
  }
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
