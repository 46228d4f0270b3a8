#include "settings_fixture.h"

#include "src/settings/accepted_values.h"

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

TEST_F(ExpenseReportTest, ZeroOrMissingServerValuesUseTheLocalRowAndMissingServiceFailsSilently) {
  EXPECT_TRUE(prefdesk_->GetValExpenseReport(nullptr, db_.Local(), charge_, cash_));
  EXPECT_EQ(charge_, "before") << "no fallback without a data service";
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

// What a host may write: a charge number that prints on one line and reads back as written,
// an amount every server keeps exactly.
TEST(ExpenseValuesAccepted, ChargeNumbersArePrintableUtf8AndAmountsFitADouble) {
  const std::pair<std::string, bool> charge_numbers[] = {
      {"C-77", true}, {"宋体", true}, {std::string(50, 'x'), true}, {std::string(51, 'x'), false},
      {"", false}, {"A\nB", false}, {"A\tB", false}, {"A\x7F", false},
      {"A\xC2\x85", false},      // U+0085, a control character
      {"A\xC0\xAF", false},      // an overlong '/'
      {"A\xED\xA0\x80", false},  // a surrogate
      {"A\xF4\x90\x80\x80", false},  // beyond U+10FFFF
      {"A\xE5\xAE", false},      // cut short
      {"A\xFF", false},
  };
  for (const auto& [text, accepted] : charge_numbers) EXPECT_EQ(settings::IsValidChargeNumber(text), accepted) << text;
  std::string fifty_wide;
  for (int i = 0; i < 50; ++i) fifty_wide += "宋";
  EXPECT_TRUE(settings::IsValidChargeNumber(fifty_wide)) << "characters are counted, not bytes";

  EXPECT_TRUE(settings::IsKeptExactly(automation::Currency{999'999'999'999'999}));    // 15 digits
  EXPECT_TRUE(settings::IsKeptExactly(automation::Currency{1'000'000'000'000'000'000}));  // 1e14: one digit
  EXPECT_FALSE(settings::IsKeptExactly(automation::Currency{999'999'999'999'999'999}));   // 99999999999999.9999
  EXPECT_FALSE(settings::IsKeptExactly(automation::Currency{1'000'000'000'000'001}));
}

}  // namespace
}  // namespace prefdesk::settings_test
