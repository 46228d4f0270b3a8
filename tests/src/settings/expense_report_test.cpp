#include "settings_fixture.h"

namespace prefdesk::settings_test {
namespace {

class ExpenseReportTest : public SettingsTest {
 protected:
  bool Read() { return prefdesk_->GetValExpenseReport(recorder_, db_.Local(), charge_, cash_); }

  std::string charge_ = "before";
  automation::Currency cash_ = automation::Currency::FromDouble(1.5);
};

TEST_F(ExpenseReportTest, ValidServerRowIsTakenWithTheExactQuery) {
  ServerRow("F_DEFORGCHARGE, F_DEFADVPAID", "'C-77', 120.25");
  EXPECT_FALSE(Read());
  EXPECT_EQ(charge_, "C-77");
  EXPECT_EQ(cash_, automation::Currency::FromDouble(120.25));
  EXPECT_EQ(Queries(), std::vector<std::string>{
                           "Select F_DEFORGCHARGE,F_DEFADVPAID From T_PMISC Where F_UID= 7"});
}

TEST_F(ExpenseReportTest, ZeroOrMissingServerValuesUseTheLocalRow) {
  for (const char* row : {"'C-77', 0", "'C-77', -5", "NULL, 100", "'C-77', NULL"}) {
    SCOPED_TRACE(row);
    db_.ExecServer("DELETE FROM T_PMISC");
    ServerRow("F_DEFORGCHARGE, F_DEFADVPAID", row);
    charge_.clear();
    EXPECT_FALSE(Read());
    EXPECT_EQ(charge_, "EXP-0001");
    EXPECT_EQ(cash_, automation::Currency::FromDouble(500));
  }
  EXPECT_TRUE(ErrorWindows().empty());
}

TEST_F(ExpenseReportTest, AnUnusableLocalRowIsShownAndEmptiesTheOutputs) {
  const auto read = [&] {
    charge_ = "before";
    return Read();
  };
  ExpectUnusableLocalRowsShown("GetDefValExpenseReport", "ExpenseCashAdvance = 0", read, [&] {
    EXPECT_EQ(charge_, "");
    EXPECT_EQ(cash_, automation::Currency{});
  });
}

TEST_F(ExpenseReportTest, MissingServiceFailsSilentlyWithoutFallback) {
  EXPECT_TRUE(prefdesk_->GetValExpenseReport(nullptr, db_.Local(), charge_, cash_));
  EXPECT_EQ(charge_, "before");
  EXPECT_TRUE(ErrorWindows().empty());
}

}  // namespace
}  // namespace prefdesk::settings_test
