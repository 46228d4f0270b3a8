// The Calendar tab: time-slot interval, appointment duration, working-day start and end and
// alarm lead time, as hour and minute lists. A start or end change is accepted only when the
// end stays after the start; otherwise the last accepted times come back.
#pragma once

#include <cstdint>

#include "platform/automation/variant.h"

namespace prefdesk::ui { class ComboBox; }

namespace prefdesk::dialog {

struct CalendarTabControls {
  ui::ComboBox* cboTimeInterval = nullptr;
  ui::ComboBox* cboAptDutHour = nullptr;
  ui::ComboBox* cboAptDutMin = nullptr;
  ui::ComboBox* cboStartHour = nullptr;
  ui::ComboBox* cboStartMin = nullptr;
  ui::ComboBox* cboEndHour = nullptr;
  ui::ComboBox* cboEndMin = nullptr;
  ui::ComboBox* cboAlarmHour = nullptr;
  ui::ComboBox* cboAlarmMin = nullptr;
};

class CalendarTab {
 public:
  // Wires the clicks of the eight hour and minute lists; the destructor removes them.
  explicit CalendarTab(const CalendarTabControls& controls);
  ~CalendarTab();
  CalendarTab(const CalendarTab&) = delete;
  CalendarTab& operator=(const CalendarTab&) = delete;

  // Fills and selects the nine lists from the shared settings. True on failure (not shown).
  [[nodiscard]] bool LoadCalendarValue();
  // Puts the lists' values (start and end: the last accepted ones) into the shared settings;
  // raises when a text does not convert.
  void SaveCalendarValue();
  // True when the end time in the lists is later than the start time.
  bool IsEndAfterStart() const;
  // Clears the eight touched flags: the next click on each list only marks it touched.
  void ClearTouched();

 private:
  struct Touched {
    bool AptDutHour = false;
    bool AptDutMin = false;
    bool StartHour = false;
    bool StartMin = false;
    bool EndHour = false;
    bool EndMin = false;
    bool AlarmHour = false;
    bool AlarmMin = false;
  };

  void GetCalendarValue();
  // A click on a start or end list: the first one after the flags were cleared only marks it.
  void StartEndClick(bool& touched);
  void RestoreLastAccepted();

  CalendarTabControls controls_;
  Touched touched_;
  automation::Date duration_;
  automation::Date start_;
  automation::Date end_;
  automation::Date last_start_;
  automation::Date last_end_;
  automation::Date alarm_;
  int32_t interval_ = 0;
};

}  // namespace prefdesk::dialog
