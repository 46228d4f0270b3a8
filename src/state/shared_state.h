// State shared by every ClsPrefdesk of one thread (apartment), by the dialog and by the
// storage routines. One set per thread; everything starts at zero, empty text or no object.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/ado/connection.h"
#include "platform/automation/variant.h"
#include "src/state/appearance_values.h"
#include "src/storage/datacenter.h"

namespace prefdesk::component {
class ClsPrefdesk;
}
namespace prefdesk::columns {
class clsTitleInfo;
class ClsListInfo;
}

namespace prefdesk::state {

class OptionDialog;

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
  // True when the layout in the dialog differs from the stored rows by more than the person's
  // changes: stored duplicates were read as one, or rows without a usable position were placed
  // after the others. Save then writes the layout, so that the store says what was shown.
  bool ColumnsNeedRewrite = false;

  AppearanceValues Appearance;
  // Host option: the Appearance tab is switched on, loaded by LoadMe and saved by Save.
  // Off by default, which leaves the tab out of both sequences.
  bool AppearanceTabEnabled = false;

  // The most recently created instance; any instance's release clears it. Held weakly, so
  // holding it keeps no instance alive.
  std::weak_ptr<component::ClsPrefdesk> Instance;
  // The single options dialog, created on first use; a held dialog has its window loaded.
  std::shared_ptr<OptionDialog> Dialog;
  // The module-level record objects the Startup tab fills; the dialog's clean-up releases them.
  std::shared_ptr<columns::clsTitleInfo> TitleInfo;
  std::shared_ptr<columns::ClsListInfo> ListInfo;
};

// The calling thread's state.
SharedState& State();

}  // namespace prefdesk::state
