// State shared by every ClsPrefdesk of one thread (apartment), by the dialog and by the
// storage routines. One set per thread; everything starts at zero, empty text or no object.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/ado/connection.h"
#include "platform/automation/variant.h"
#include "src/storage/datacenter.h"

namespace prefdesk::component {

struct SharedState {
  int16_t UserID = 0;
  // 0 nothing saved, 1 saved, 2 saving failed.
  int32_t OutcomeFlag = 0;

  int32_t MaxHistoricalRecords = 0;
  int32_t DisplayProductComparisonsRecords = 0;
  int32_t MonthLength = 0;
  int32_t QuarterLength = 0;
  int32_t YearLength = 0;
  automation::Date AppointmentDuration;
  automation::Date AppointmentStartDayTime;
  automation::Date AppointmentEndDayTime;
  automation::Date AppointmentAlarmBeforeTime;
  int32_t AppointTimeSlotInterval = 0;
  std::string ExpenseChargeNumber;
  automation::Currency ExpenseCashAdvance;
  std::string DefaultTitle;

  std::shared_ptr<ado::Connection> BaseConn;
  storage::DataCenterRef DataCenter;

  // True when the layout in the dialog came from the local defaults.
  bool ColumnsFromLocalDefaults = false;
};

// The calling thread's state.
SharedState& State();

}  // namespace prefdesk::component
