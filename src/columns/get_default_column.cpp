#include "platform/automation/error.h"
#include "src/columns/get_default_column.h"
#include "src/columns/layout_filters.h"
#include "src/state/shared_state.h"
#include "src/resources/strings.h"
#include "src/storage/field_values.h"
#include "src/storage/local_query.h"
#include "src/storage/show_err.h"
#include "src/storage/sql_literal.h"

namespace prefdesk::columns {
namespace {

const std::string kSource = "GetDefaultColumn";

}  // namespace

bool GetDefaultColumn(std::shared_ptr<ado::Connection> cn, storage::DataCenterRef dc,
                      std::string& name, std::string& caption) {
  std::shared_ptr<ado::Recordset> primary;
  std::shared_ptr<ado::Recordset> local;
  storage::RecordsetCloser primary_closer(primary);
  storage::RecordsetCloser local_closer(local);
  try {
    storage::DataCenter& service = storage::Require(dc, kSource);
    primary = storage::OpenOrRaise(
        service,
        "Select a.F_HBUTTONNAME As DefaultTitleName From SYSTBLHBUTTON a,T_PHBUTTON b Where "
        "a.F_HBUTTONID=b.F_HBUTTONID And b.F_ISPRIMARY=1 And b.F_UID=" +
            storage::SqlInt(state::State().UserID));
    const std::string title =
        primary->IsEOF() || primary->IsBOF() ? std::string() : storage::TextOrEmpty((*primary)["DefaultTitleName"]);
    if (!title.empty()) {
      local = storage::OpenLocalQuery(
          cn, "Select TitleNameChinese,TitleNameEnglish From BarTitle Where TitleName=" +
                  storage::SqlText(title), kSource);
      if (!local->IsEOF() && !local->IsBOF()) {
        const automation::Variant& chinese = (*local)["TitleNameChinese"];
        const automation::Variant& english = (*local)["TitleNameEnglish"];
        if (!chinese.IsEmptyOrNull() && !english.IsEmptyOrNull()) {
          name = title;
          caption = storage::TextOrEmpty(resources::IsChinese() ? chinese : english);
          return false;
        }
      }
    }
    name.clear();
    caption.clear();
    return false;
  } catch (const automation::AutomationError& error) {
    storage::ShowErr(error);
    return true;
  }
}

}  // namespace prefdesk::columns
