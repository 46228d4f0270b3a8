// SaveValsStartupToSvr: the title and list id look-up collections, from the server catalogue.
#include <memory>

#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#include "src/columns/lookup_button_ids.h"
#include "src/columns/record_classes.h"
#include "src/state/shared_state.h"
#include "src/dialog/startup_storage.h"
#include "src/storage/field_values.h"
#include "src/storage/local_query.h"
#include "src/storage/show_err.h"

namespace prefdesk::dialog {
namespace {

const char* const kSource = "SaveValsStartupToSvr";

// Opens the catalogue query; a failed query raises the service's error, no row raises
// "Don't Find ..." with the given description.
void OpenCatalogue(storage::DataCenter& dc, std::shared_ptr<ado::Recordset>& rs,
                   const std::string& sql, const char* missing) {
  rs = storage::OpenOrRaise(dc, sql);
  if (rs->IsBOF() && rs->IsEOF()) automation::Raise(storage::kErrInvalidValue, kSource, missing);
}

}  // namespace

bool SaveValsStartupToSvr(std::optional<automation::AutomationError>& failure) {
  state::SharedState& state = state::State();
  columns::ButtonIdTables& tables = columns::ButtonIds();
  std::shared_ptr<ado::Recordset> rs;
  storage::RecordsetCloser close_rs(rs);
  try {
    storage::DataCenter& dc = storage::Require(state.DataCenter, kSource);
    OpenCatalogue(dc, rs, "Select F_HBUTTONID,F_HBUTTONNAME From SYSTBLHBUTTON ",
                  "Don't Find HBUTTONID");
    tables.Titles = std::make_shared<columns::TitleInfoCollection>("Collection");
    for (rs->MoveFirst(); !rs->IsEOF(); rs->MoveNext()) {
      state.TitleInfo = std::make_shared<columns::clsTitleInfo>();
      state.TitleInfo->HButtonID = automation::CInt((*rs)["F_HBUTTONID"]);
      state.TitleInfo->HButtonName = storage::TextOrEmpty((*rs)["F_HBUTTONNAME"]);
      tables.Titles->Add(state.TitleInfo);
    }
    storage::CloseIfOpen(rs);

    OpenCatalogue(dc, rs, "Select F_HBUTTONID,F_VBUTTONID,F_VBUTTONNAME From SYSTBLVBUTTON ",
                  "Don't Find VBUTTONID");
    tables.Lists = std::make_shared<columns::ListInfoCollection>("Collection");
    for (rs->MoveFirst(); !rs->IsEOF(); rs->MoveNext()) {
      state.ListInfo = std::make_shared<columns::ClsListInfo>();
      state.ListInfo->HButtonID = automation::CInt((*rs)["F_HBUTTONID"]);
      state.ListInfo->VButtonID = automation::CInt((*rs)["F_VBUTTONID"]);
      state.ListInfo->VButtonName = storage::TextOrEmpty((*rs)["F_VBUTTONNAME"]);
      tables.Lists->Add(state.ListInfo);
    }
    return false;
  } catch (const automation::AutomationError& error) {
    failure.emplace(error.Number(), kSource, error.Description());
    return true;
  }
}

}  // namespace prefdesk::dialog
