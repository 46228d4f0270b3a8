#include "settings_fixture.h"

namespace prefdesk::settings_test {
namespace {

constexpr char kColumns[] = "F_DEFAPDUR, F_DAYSTIME, F_DAYETIME, F_ALARMADV, F_SOLEINTERVAL";

class CalendarTest : public SettingsTest {
 protected:
  bool Read() {
    return prefdesk_->GetValsCalendar(recorder_, db_.Local(), duration_, start_, end_, alarm_, interval_);
  }
  // The factory row: 00:30, 08:30, 17:30, 00:15, 30.
  void ExpectLocalRow() const {
    EXPECT_EQ(duration_, Time(0, 30));
    EXPECT_EQ(start_, Time(8, 30));
    EXPECT_EQ(end_, Time(17, 30));
    EXPECT_EQ(alarm_, Time(0, 15));
    EXPECT_EQ(interval_, 30);
  }

  automation::Date duration_, start_, end_, alarm_;
  int32_t interval_ = -1;
};

TEST_F(CalendarTest, ValidServerRowIsTakenWithTheExactQuery) {
  ServerRow(kColumns, "'01:00:00', '08:05:00', '18:00:00', '00:10:00', 60");
  EXPECT_FALSE(Read());
  EXPECT_EQ(duration_, Time(1, 0));
  EXPECT_EQ(start_, Time(8, 5));
  EXPECT_EQ(end_, Time(18, 0));
  EXPECT_EQ(alarm_, Time(0, 10));
  EXPECT_EQ(interval_, 60);
  EXPECT_EQ(Queries(), std::vector<std::string>{
                           "Select F_DEFAPDUR,F_DAYSTIME,F_DAYETIME,F_ALARMADV,F_SOLEINTERVAL From "
                           "T_PMISC Where F_UID= 7"});
}

TEST_F(CalendarTest, AnyInvalidValueRejectsTheWholeServerRow) {
  const char* rows[] = {
      "'01:00:00', '08:05:00', '18:00:00', '00:10:00', 45",    // interval not listed
      "'01:00:00', '08:03:00', '18:00:00', '00:10:00', 60",    // minute not a multiple of 5
      "'01:02:00', '08:05:00', '18:00:00', '00:10:00', 60",
      "'01:00:00', '09:00:00', '09:00:00', '00:10:00', 60",    // start equals end
      "'01:00:00', '19:00:00', '09:00:00', '00:10:00', 60",    // start after end
      "'01:00:00', '08:05:00', '18:00:00', NULL, 60",          // a null field
  };
  for (const char* row : rows) {
    SCOPED_TRACE(row);
    db_.ExecServer("DELETE FROM T_PMISC");
    ServerRow(kColumns, row);
    interval_ = -1;
    EXPECT_FALSE(Read());
    ExpectLocalRow();
  }
  EXPECT_TRUE(ErrorWindows().empty());
}

TEST_F(CalendarTest, MissingRowAndFailedQueryUseTheLocalRowAndMissingServiceFailsSilently) {
  EXPECT_FALSE(Read());
  ExpectLocalRow();
  db_.ExecServer("DROP TABLE T_PMISC");
  interval_ = -1;
  EXPECT_FALSE(Read());
  ExpectLocalRow();
  interval_ = -1;
  EXPECT_TRUE(prefdesk_->GetValsCalendar(nullptr, db_.Local(), duration_, start_, end_, alarm_, interval_));
  EXPECT_EQ(interval_, -1) << "no fallback without a data service";
  EXPECT_TRUE(ErrorWindows().empty());
}

TEST_F(CalendarTest, AnUnusableLocalRowIsShownAndTheOutputsKeepWhatTheyHeld) {
  ExpectUnusableLocalRowsShown("GetDefValsCalendar", "AppointmentTimeSlotInterval = 45", [&] { return Read(); },
                               [&] { EXPECT_EQ(interval_, -1); });
}

}  // namespace
}  // namespace prefdesk::settings_test
