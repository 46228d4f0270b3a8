// Storage of the Default Query tab: the screens (leaf lists) with their local captions, the
// user's saved queries and the chosen default of each screen; and the writer of that choice.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/ado/connection.h"
#include "platform/ado/recordset.h"
#include "src/storage/datacenter.h"

namespace prefdesk::dialog {

// What the reader hands the Default Query tab.
//   screens:  TitleID, TitleLabel_C, TitleLabel_E, ListID, ListLabel_C, ListLabel_E
//   queries:  TitleID, QueryID, QueryName (the user's saved queries)
//   defaults: TitleID, ListID, DefaultQueryID, DefaultQueryName
struct DefaultQueryRecordsets {
  std::shared_ptr<ado::Recordset> screens;
  std::shared_ptr<ado::Recordset> queries;
  std::shared_ptr<ado::Recordset> defaults;

  // Closes the sets that are open and lets them go.
  void Release();
};

// True on failure, which is shown. There is no local fallback: queries live on the server.
[[nodiscard]] bool GetSvrValDefaultQuery(const storage::DataCenterRef& dc,
                           const std::shared_ptr<ado::Connection>& cn,
                           DefaultQueryRecordsets& out);

// Stores the default query of one screen (empty DefaultQueryID: none). True on failure: the
// open transaction is rolled back and the error shown.
[[nodiscard]] bool SaveValsDefaultQueryToSvr(storage::DataCenter& dc, int32_t TitleID, int32_t ListID,
                               const std::string& DefaultQueryID);

}  // namespace prefdesk::dialog
