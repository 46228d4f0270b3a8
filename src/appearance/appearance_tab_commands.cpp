// The commands of the scheme chooser: list the system or the user schemes, pick one, save
// the current values under a name, delete a user scheme.
#include <memory>

#include "platform/ado/recordset.h"
#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#include "platform/ui/services.h"
#include "platform/ui/window.h"
#include "src/appearance/appearance_tab.h"
#include "src/appearance/scheme_rows.h"
#include "src/appearance/scheme_storage.h"
#include "src/state/shared_state.h"
#include "src/resources/strings.h"
#include "src/storage/local_query.h"
#include "src/storage/schema.h"
#include "src/storage/show_err.h"
#include "src/storage/sql_literal.h"

namespace prefdesk::appearance {

namespace lib = appearancelib;

namespace {

// Puts the form's mouse pointer back to the default when a command ends, on every path.
class PointerReset {
 public:
  explicit PointerReset(ui::Window* form) : form_(form) {}
  PointerReset(const PointerReset&) = delete;
  PointerReset& operator=(const PointerReset&) = delete;
  ~PointerReset() {
    if (form_ != nullptr) form_->SetMousePointer(ui::kPointerDefault);
  }

 private:
  ui::Window* form_;
};

}  // namespace

void AppearanceTab::SchemeCommand(const std::string& command) {
  const PointerReset pointer(controls_.form);
  try {
    const bool lists = command == lib::kCommandDefaultSchemes || command == lib::kCommandUserSchemes ||
                       command == lib::kCommandScheme;
    if (lists && controls_.form != nullptr) controls_.form->SetMousePointer(ui::kPointerHourglass);
    if (command == lib::kCommandDefaultSchemes) {
      ShowSchemes(false);
    } else if (command == lib::kCommandUserSchemes) {
      ShowSchemes(true);
    } else if (command == lib::kCommandScheme) {
      ChooseScheme();
    } else if (command == lib::kCommandSaveAs) {
      // A failed Save As has shown its error already; the command has nothing to add.
      static_cast<void>(SaveAsScheme(storage::Require(state::State().DataCenter, "SchemeCommand"),
                                     *controls_.AppearanceValueSet1));
    } else if (command == lib::kCommandDelete) {
      if (scheme_list_kind_ != 0) {
        DeleteScheme();
      } else {
        ui::MsgBox(resources::Bilingual("You can not delete the systemic scheme.", "不能删除系统方案！"),
                   ui::vbCritical, "");
      }
    }
  } catch (const automation::AutomationError& error) {
    storage::ShowErr(error);
  }
}

void AppearanceTab::ShowSchemes(bool user_schemes) {
  lib::AppearanceValueSet& value_set = *controls_.AppearanceValueSet1;
  if (!user_schemes) {
    value_set.ShowDefaultSchemes(system_schemes_.get());
    scheme_list_kind_ = 0;
    return;
  }
  std::shared_ptr<ado::Recordset> rs;
  const storage::RecordsetCloser closer(rs);
  if (LoadUserScheme(storage::Require(state::State().DataCenter, "ShowSchemes"), rs)) return;
  value_set.ShowUserSchemes(rs.get());
  scheme_list_kind_ = 1;
}

void AppearanceTab::ChooseScheme() {
  const std::string name = controls_.AppearanceValueSet1->SelectedSchemeName();
  if (name.empty()) return;
  if (scheme_list_kind_ == 1) {
    ChooseUserScheme(name);
  } else {
    ChooseSystemScheme(name);
  }
}

void AppearanceTab::ChooseUserScheme(const std::string& name) {
  storage::DataCenter& dc = storage::Require(state::State().DataCenter, "ChooseUserScheme");
  std::shared_ptr<ado::Recordset> rs;
  const storage::RecordsetCloser closer(rs);
  if (dc.OpenRecordsetByString(rs, "select * from T_PSCREENSTYLE where ScreenStyleName=" + storage::SqlText(name)) <
      0) {
    const storage::ErrInfo info = dc.GetErrInfo();
    int32_t number = info.Number;
    storage::ShowErr(info.Source, number, info.Description);
    return;
  }
  scheme_ = lib::Scheme::Create();
  if (!rs->IsEOF()) FillSchemeFromUserRow(*scheme_, *rs);
  GiveControlsTheScheme();
}

void AppearanceTab::ChooseSystemScheme(const std::string& name) {
  const char* display_name = resources::IsChinese() ? "ScreenStyleNameChinese" : "ScreenStyleNameEnglish";
  for (int i = 1; i <= system_schemes_->Count(); ++i) {
    const lib::SchemeRef candidate = system_schemes_->Item(i);
    if (automation::CStr(candidate->Value(display_name)) == name) {
      CopyScheme(*scheme_, *candidate);
      break;
    }
  }
  GiveControlsTheScheme();
}

void AppearanceTab::DeleteScheme() {
  if (ui::MsgBox(resources::Bilingual("Are you sure to delete this scheme?", "你确实要删除该方案吗？"),
                 ui::vbYesNo | ui::vbQuestion, "") != ui::vbYes) {
    return;
  }
  lib::AppearanceValueSet& value_set = *controls_.AppearanceValueSet1;
  const std::string name = value_set.SelectedSchemeName();
  if (name.empty()) return;
  storage::DataCenter& dc = storage::Require(state::State().DataCenter, "DeleteScheme");
  if (dc.Delete(storage::schema::T_PSCREENSTYLE, "F_UID=" + storage::SqlInt(dc.myinfo().uid) +
                                      " and  ScreenStyleName=" + storage::SqlText(name)) < 0) {
    const storage::ErrInfo info = dc.GetErrInfo();
    ShowSchemeError("cmdDelete_Click", info.Number, info.Description);
    return;
  }
  std::shared_ptr<ado::Recordset> rs;
  const storage::RecordsetCloser closer(rs);
  if (!LoadUserScheme(dc, rs)) value_set.ShowUserSchemes(rs.get());
}

}  // namespace prefdesk::appearance
