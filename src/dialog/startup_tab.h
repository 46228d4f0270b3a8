// The Startup tab: the title opened at start-up (cboStartup) and, for each title chosen in
// cboStartupScreen, the list it opens first (cboDefaultStartup). The choices are kept in two
// copies of the startup records, as loaded and as edited, and written by the startup step
// of the save as primary flags.
#pragma once

#include <memory>
#include <string>

#include "src/columns/main_option_startup.h"
#include "src/dialog/startup_storage.h"

namespace prefdesk::ui { class ComboBox; }

namespace prefdesk::dialog {

struct StartupTabControls {
  ui::ComboBox* cboStartup = nullptr;
  ui::ComboBox* cboStartupScreen = nullptr;
  ui::ComboBox* cboDefaultStartup = nullptr;
};

class StartupTab {
 public:
  // Wires the clicks of cboStartupScreen and cboDefaultStartup; the destructor removes them
  // and closes the record sets.
  explicit StartupTab(const StartupTabControls& controls);
  ~StartupTab();
  StartupTab(const StartupTab&) = delete;
  StartupTab& operator=(const StartupTab&) = delete;

  // Reads the titles (server first, else local defaults), fills the lists and both copies of
  // the records, and selects the shared DefaultTitle. True on failure.
  [[nodiscard]] bool LoadStartupValue();
  // Puts DefaultTitle to cboStartup's text.
  void SaveStartupValue();
  // The startup step of the save: id look-ups, each title's primary list, then the primary
  // title. The primary title is written when it changed, and also when this save rewrote the
  // column layout (which clears every title's primary flag). True on failure; a failed
  // id-table load leaves the transaction to the caller.
  [[nodiscard]] bool SaveStartupStep(storage::DataCenter& dc, bool layout_rewritten);

  columns::clsMainOptionStartups* LoadedStartups() const { return loaded_.get(); }
  columns::clsMainOptionStartups* EditedStartups() const { return edited_.get(); }
  const std::string& LoadedPrimaryTitle() const { return loaded_primary_title_; }

 private:
  [[nodiscard]] bool ReadStartupRecordsets();
  void FillTitles(bool chinese);
  void cboStartupScreen_Click();
  void cboDefaultStartup_Click();
  // The edited record whose caption is the title shown in cboStartupScreen; null when none.
  std::shared_ptr<columns::clsMainOptionStartup> CurrentTitle() const;
  // The caption of a row of the lists record set in the interface language.
  static std::string ListCaption(const ado::Recordset& lists, bool chinese);

  StartupTabControls controls_;
  StartupRecordsets sets_;
  std::unique_ptr<columns::clsMainOptionStartups> loaded_;
  std::unique_ptr<columns::clsMainOptionStartups> edited_;
  std::string loaded_primary_title_;
};

}  // namespace prefdesk::dialog
