// Save: the edited settings to the server in one transaction, behind the progress window.
#include "platform/automation/error.h"
#include "platform/ui/services.h"
#include "src/columns/lookup_button_ids.h"
#include "src/columns/main_option_column.h"
#include "src/columns/save_vals_columns_to_svr.h"
#include "src/state/shared_state.h"
#include "src/dialog/columns_tab.h"
#include "src/dialog/default_query_tab.h"
#include "src/dialog/frm_option.h"
#include "src/dialog/frm_save_progress.h"
#include "src/dialog/startup_tab.h"
#include "src/resources/strings.h"
#include "src/storage/datacenter.h"
#include "src/storage/scoped_transaction.h"
#include "src/storage/show_err.h"

namespace prefdesk::dialog {
namespace {

void UnloadProgressWindow() {
  if (const auto progress = FrmSaveProgress::Existing()) progress->Unload();
}

void ReleaseButtonIdTables() {
  columns::ClearButtonIdTables();
  state::SharedState& state = state::State();
  state.TitleInfo.reset();
  state.ListInfo.reset();
}

}  // namespace

bool FrmOption::LayoutChanged() const {
  const columns::clsMainOptionColumns& edited = columns_->EditedColumns();
  const columns::clsMainOptionColumns& loaded = columns_->LoadedColumns();
  for (int32_t i = 1; i <= edited.Count(); ++i) {
    const auto e = edited.Item(i);
    const auto l = loaded.Item(i);
    if (e->ListPos != l->ListPos || e->ListVisible != l->ListVisible ||
        e->ListSonPos != l->ListSonPos || e->ListSonVisible != l->ListSonVisible ||
        e->TitlePos != l->TitlePos || e->TitleVisible != l->TitleVisible) {
      return true;
    }
  }
  return false;
}

bool FrmOption::SaveColumnsStep(bool& rewritten) {
  const state::SharedState& state = state::State();
  rewritten = state.ColumnsFromLocalDefaults || state.ColumnsNeedRewrite || LayoutChanged();
  if (rewritten) return columns::SaveValsColumnsToSvr(state.DataCenter, columns_->EditedColumns());
  FrmSaveProgress::Instance()->ProgressMutilNext("");
  return false;
}

bool FrmOption::WriteAndCommit(storage::DataCenter& dc) {
  const state::SharedState& state = state::State();
  // Every way out of this function before the commit rolls back what is still open.
  storage::ScopedTransaction transaction(dc);
  bool layout_rewritten = false;
  if (SaveColumnsStep(layout_rewritten)) return true;

  FrmSaveProgress::Instance()->ProgressNext(resources::LoadResString(2123));
  ui::DoEvents();
  if (startup_->SaveStartupStep(dc, layout_rewritten)) return true;
  ReleaseButtonIdTables();

  FrmSaveProgress::Instance()->ProgressNext(resources::LoadResString(2105));
  ui::DoEvents();
  if (default_query_->SaveDefaultQueryStep(dc)) return true;
  if (state.AppearanceTabEnabled && SaveToDefaultScheme()) return true;

  if (transaction.Commit() == storage::ScopedTransaction::CommitResult::kConfirmed) return false;
  // The person must learn that the save was not stored (or, when the connection died
  // during the commit, that it may not have been).
  const storage::ErrInfo failure = dc.GetErrInfo();
  int32_t number = failure.Number;
  storage::ShowErr(failure.Source, number, failure.Description);
  return true;
}

bool FrmOption::SaveFailed() {
  ReleaseButtonIdTables();
  state::State().OutcomeFlag = 2;
  UnloadProgressWindow();
  Unload();
  return true;
}

bool FrmOption::Save() {
  const auto keep_alive = shared_from_this();
  state::SharedState& state = state::State();
  try {
    if (WriteAndCommit(storage::Require(state.DataCenter, "Save"))) return SaveFailed();
    // The values change only with a committed 'Default' row, so a failed save changes neither.
    if (state.AppearanceTabEnabled) SaveAppearanceValue();
    UnloadProgressWindow();
    state.OutcomeFlag = 1;
    ui::MsgBox(resources::LoadResString(2200), ui::vbInformation, "ColumnSet");
    Unload();
    return false;
  } catch (const automation::AutomationError&) {
    return SaveFailed();
  }
}

}  // namespace prefdesk::dialog
