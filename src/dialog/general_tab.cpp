#include "src/dialog/general_tab.h"

#include <array>
#include <string>

#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#include "platform/ui/combo_box.h"
#include "src/state/shared_state.h"
#include "src/settings/accepted_values.h"
#include "src/storage/show_err.h"

namespace prefdesk::dialog {
namespace {

// Refills the list with the values and selects the stored one, or the default when the
// stored value is not among them.
template <size_t N>
void FillAndSelect(ui::ComboBox& list, const std::array<int32_t, N>& values, int32_t default_value,
                   int32_t stored) {
  list.Clear();
  for (int32_t value : values) list.AddItem(std::to_string(value));
  const bool offered = settings::IsOneOf(values, stored);
  list.SetText(std::to_string(offered ? stored : default_value));
}

int32_t ValueOf(const ui::ComboBox& list) {
  return automation::CLng(automation::Variant(list.Text()));
}

}  // namespace

void GeneralTab::GetGeneralValue() {
  const state::SharedState& state = state::State();
  history_records_ = state.MaxHistoricalRecords;
  product_comparison_records_ = state.DisplayProductComparisonsRecords;
  month_length_ = state.MonthLength;
  quarter_length_ = state.QuarterLength;
  year_length_ = state.YearLength;
}

bool GeneralTab::LoadGeneralValue() {
  try {
    GetGeneralValue();
    FillAndSelect(*controls_.cboHisRecords, settings::kHistoryLengths, 5, history_records_);
    FillAndSelect(*controls_.cboProductComparisonRecords, settings::kProductComparisonCounts, 5,
                  product_comparison_records_);
    FillAndSelect(*controls_.cboFMonth, settings::kForecastLengths, 6, month_length_);
    FillAndSelect(*controls_.cboFQuarter, settings::kForecastLengths, 6, quarter_length_);
    FillAndSelect(*controls_.cboFYear, settings::kForecastLengths, 6, year_length_);
    return false;
  } catch (const automation::AutomationError& error) {
    storage::ShowErr(error);
    return true;
  }
}

void GeneralTab::SaveGeneralValue() {
  state::SharedState& state = state::State();
  state.MaxHistoricalRecords = ValueOf(*controls_.cboHisRecords);
  state.DisplayProductComparisonsRecords = ValueOf(*controls_.cboProductComparisonRecords);
  state.MonthLength = ValueOf(*controls_.cboFMonth);
  state.QuarterLength = ValueOf(*controls_.cboFQuarter);
  state.YearLength = ValueOf(*controls_.cboFYear);
}

}  // namespace prefdesk::dialog
