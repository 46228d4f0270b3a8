// Storage of the Startup tab: the readers of the start-up titles and their start-up lists
// (the user's rows on the server, else the local defaults) and the writers of the primary
// flags that mark the start-up title and each title's default list.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/ado/connection.h"
#include "platform/ado/recordset.h"
#include "platform/automation/error.h"
#include "src/storage/datacenter.h"

namespace prefdesk::dialog {

// What the readers hand the Startup tab.
//   titles: TitleName, TitleNameChinese, TitleNameEnglish, DefaultList, DefaultOrder
//   lists:  TitleName, ListName, ListNameChinese, ListNameEnglish, DefaultOrder
struct StartupRecordsets {
  std::shared_ptr<ado::Recordset> titles;
  std::shared_ptr<ado::Recordset> lists;
  int32_t MinTitleOrder = 0;
  int32_t MaxTitleOrder = 0;
  int32_t MinListOrder = 0;
  int32_t MaxListOrder = 0;

  // Closes the sets that are open and lets them go.
  void Release();
};

// The user's titles with their primary lists from the server, captions from the local
// database. True on any failure, silently: the caller falls back to the local defaults.
[[nodiscard]] bool tagGetSvrValStartup(const std::shared_ptr<ado::Connection>& cn,
                         const storage::DataCenterRef& dc, StartupRecordsets& out);

// The factory titles and lists of the local database. True on failure, which is shown.
[[nodiscard]] bool GetDefValStartup(const std::shared_ptr<ado::Connection>& cn, StartupRecordsets& out);

// Fills the title and list id look-up collections from the server catalogue through the
// shared data service. True on failure, silently; failure receives the error, with this
// routine as its source.
[[nodiscard]] bool SaveValsStartupToSvr(std::optional<automation::AutomationError>& failure);

// Writes the primary flags of one title's lists (IsTitle false) or of the user's titles
// (IsTitle true). True on failure: the open transaction is rolled back and the error shown.
[[nodiscard]] bool SaveValsPrimaryToSvr(storage::DataCenter& dc, bool IsTitle, const std::string& TitleName,
                          const std::string& ColumnName, const std::string& DefaultListName,
                          int16_t& HButtonID, int16_t& VButtonID);

}  // namespace prefdesk::dialog
