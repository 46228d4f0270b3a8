// The General tab: history-bar length, product-comparison records and forecast lengths, each a
// drop-down list of the allowed values, filled from and copied back to the shared settings.
#pragma once

#include <cstdint>

namespace prefdesk::ui { class ComboBox; }

namespace prefdesk::dialog {

struct GeneralTabControls {
  ui::ComboBox* cboHisRecords = nullptr;
  ui::ComboBox* cboProductComparisonRecords = nullptr;
  ui::ComboBox* cboFMonth = nullptr;
  ui::ComboBox* cboFQuarter = nullptr;
  ui::ComboBox* cboFYear = nullptr;
};

class GeneralTab {
 public:
  explicit GeneralTab(const GeneralTabControls& controls) : controls_(controls) {}

  // Fills the five lists and selects the stored values (a value not offered selects the
  // list's default). True on failure, which is shown.
  [[nodiscard]] bool LoadGeneralValue();
  // Puts the five lists' values into the shared settings; raises when a text does not convert.
  void SaveGeneralValue();

 private:
  void GetGeneralValue();

  GeneralTabControls controls_;
  int32_t history_records_ = 0;
  int32_t product_comparison_records_ = 0;
  int32_t month_length_ = 0;
  int32_t quarter_length_ = 0;
  int32_t year_length_ = 0;
};

}  // namespace prefdesk::dialog
