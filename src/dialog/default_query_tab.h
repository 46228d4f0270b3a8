// The Default Query tab: for each screen (a list without lists under it) chosen in
// cboQueryScreen, the saved query it runs when it opens (cboDefaultQuery). The choices are
// kept in two copies of the default-query records, as loaded and as edited, one per screen.
#pragma once

#include <memory>

#include "src/columns/main_option_query.h"
#include "src/dialog/default_query_storage.h"

namespace prefdesk::ui { class ComboBox; }

namespace prefdesk::dialog {

struct DefaultQueryTabControls {
  ui::ComboBox* cboQueryScreen = nullptr;
  ui::ComboBox* cboDefaultQuery = nullptr;
};

class DefaultQueryTab {
 public:
  // Wires the clicks of both lists; the destructor removes them and closes the record sets.
  explicit DefaultQueryTab(const DefaultQueryTabControls& controls);
  ~DefaultQueryTab();
  DefaultQueryTab(const DefaultQueryTab&) = delete;
  DefaultQueryTab& operator=(const DefaultQueryTab&) = delete;

  // Reads the screens, queries and defaults from the server and fills cboQueryScreen and both
  // copies of the records. True on failure, which is shown.
  [[nodiscard]] bool LoadDefaultQueryValue();
  // The default-query step of the save: one write per screen. True on failure.
  [[nodiscard]] bool SaveDefaultQueryStep(storage::DataCenter& dc);

  columns::clsMainOptionQuerys* LoadedQuerys() const { return loaded_.get(); }
  columns::clsMainOptionQuerys* EditedQuerys() const { return edited_.get(); }

 private:
  void cboQueryScreen_Click();
  void cboDefaultQuery_Click();
  // The edited record of the screen selected in cboQueryScreen; null when none.
  std::shared_ptr<columns::clsMainOptionQuery> CurrentScreen() const;

  DefaultQueryTabControls controls_;
  DefaultQueryRecordsets sets_;
  std::unique_ptr<columns::clsMainOptionQuerys> loaded_;
  std::unique_ptr<columns::clsMainOptionQuerys> edited_;
};

}  // namespace prefdesk::dialog
