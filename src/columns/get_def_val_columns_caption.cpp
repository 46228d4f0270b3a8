#include <map>
#include <set>
#include <string>
#include <utility>

#include "platform/automation/error.h"
#include "src/columns/get_def_val_columns_caption.h"
#include "src/columns/layout_duplicates.h"
#include "src/state/shared_state.h"
#include "src/storage/field_values.h"
#include "src/columns/layout_filters.h"
#include "src/columns/layout_recordsets.h"
#include "src/storage/local_query.h"
#include "src/storage/show_err.h"

namespace prefdesk::columns {
namespace {

const std::string kSource = "GetDefValColumnsCaption";

// Each caption field of the new row takes the local value of the same name, or the empty
// text when the filter found no local row or the value is empty.
void TakeCaptions(ado::Recordset& local_names, const std::string& filter, ado::Recordset& row,
                  std::initializer_list<const char*> captions) {
  local_names.SetFilter(filter);
  const bool found = !local_names.IsEOF();
  for (const char* caption : captions) {
    PutTyped(row, caption, found ? local_names[caption] : automation::Variant());
  }
  local_names.SetFilter("");
}

using storage::TextOrEmpty;

std::string TitleOf(const ado::Recordset& row) { return TextOrEmpty(row["TitleName"]); }
std::string TitleListOf(const ado::Recordset& row) {
  return TitleOf(row) + '\n' + TextOrEmpty(row["ListName"]);
}

// Every row of a title takes the visibility and position of the title's row kept among
// stored duplicates of the title.
class TitleOfKeptRow {
 public:
  explicit TitleOfKeptRow(ado::Recordset& server) {
    bool several_lists = false;  // rows of one title: one per list, not duplicates
    for (const int row : RowsKept(server, TitleOf, "TitleOrder", several_lists)) {
      const int start = server.AbsolutePosition();
      server.SetAbsolutePosition(row);
      fields_.try_emplace(TitleOf(server), server["TitleVisible"], server["TitleOrder"]);
      server.SetAbsolutePosition(start);
    }
  }
  void PutInto(const std::string& title, ado::Recordset& row) const {
    const auto& [visible, order] = fields_.at(title);
    PutTyped(row, "TitleVisible", visible);
    PutTyped(row, "TitleOrder", order);
  }

 private:
  std::map<std::string, std::pair<automation::Variant, automation::Variant>> fields_;
};

ado::Recordset& Required(const std::shared_ptr<ado::Recordset>& rs) {
  if (!rs) {
    automation::Raise(automation::kErrObjectRequired, "GetDefValColumnsCaption",
                      "Object variable not set");
  }
  return *rs;
}

}  // namespace

bool GetDefValColumnsCaption(std::shared_ptr<ado::Connection> BaseConn,
                             const std::shared_ptr<ado::Recordset>& server_title_lists,
                             const std::shared_ptr<ado::Recordset>& server_list_sons,
                             std::shared_ptr<ado::Recordset>& title_lists,
                             std::shared_ptr<ado::Recordset>& list_sons) {
  std::shared_ptr<ado::Recordset> local_names;
  storage::RecordsetCloser closer(local_names);
  try {
    title_lists = NewTitleListRecordset();
    local_names = storage::OpenLocalQuery(
        BaseConn,
        "Select a.TitleName As TitleName,a.TitleNameChinese As TitleCaption_C,a.TitleNameEnglish "
        "As TitleCaption_E,b.ListName As ListName,b.ListNameChinese As ListCaption_C,"
        "b.ListNameEnglish As ListCaption_E "
        "From BarTitle a, BarList b "
        "Where  a.TitleID=b.TitleID "
        "Order By a.TitleID ASC,b.ListID ASC", kSource);
    // Stored duplicates read as one; seeing them makes the next save write the layout clean.
    bool duplicates = false;
    ado::Recordset& server_titles = Required(server_title_lists);
    const TitleOfKeptRow title_fields(server_titles);
    const std::set<int> kept_lists = RowsKept(server_titles, TitleListOf, "ListOrder", duplicates);
    for (; !server_titles.IsEOF(); server_titles.MoveNext()) {
      if (kept_lists.count(server_titles.AbsolutePosition()) == 0) continue;
      title_lists->AddNew();
      CopyRowByPosition(server_titles, *title_lists,
                        {"TitleCaption_C", "TitleCaption_E", "ListCaption_C", "ListCaption_E"});
      title_fields.PutInto(TitleOf(server_titles), *title_lists);
      TakeCaptions(*local_names,
                   TitleListCaptionFilter(server_titles["TitleName"],
                                          server_titles["ListName"]),
                   *title_lists,
                   {"TitleCaption_C", "TitleCaption_E", "ListCaption_C", "ListCaption_E"});
      title_lists->Update();
    }
    local_names->Close();

    list_sons = NewListSonRecordset();
    local_names = storage::OpenLocalQuery(
        BaseConn,
        "Select a.TitleName As TitleName,b.ListName As ListName,b.ListNameChinese As "
        "ListCaption_C,b.ListNameEnglish As ListCaption_E,c.ListName As ListSonName,"
        "c.ListNameChinese As ListSonCaption_C,c.ListNameEnglish As ListSonCaption_E "
        "From BarTitle a,BarList b,BarList c "
        "Where b.ListID=c.ParentID And b.TitleID=a.TitleID "
        "Order By b.ListID ASC,c.ListID ASC", kSource);
    ado::Recordset& server_sons = Required(server_list_sons);
    const std::set<int> kept_sons = RowsKept(
        server_sons,
        [](const ado::Recordset& row) {
          return TitleListOf(row) + '\n' + TextOrEmpty(row["ListSonName"]);
        },
        "ListSonOrder", duplicates);
    for (; !server_sons.IsEOF(); server_sons.MoveNext()) {
      if (kept_sons.count(server_sons.AbsolutePosition()) == 0) continue;
      list_sons->AddNew();
      CopyRowByPosition(server_sons, *list_sons,
                        {"ListCaption_C", "ListCaption_E", "ListSonCaption_C",
                         "ListSonCaption_E"});
      TakeCaptions(*local_names,
                   ListSonFilter(server_sons["TitleName"], server_sons["ListName"],
                                 server_sons["ListSonName"]),
                   *list_sons,
                   {"ListCaption_C", "ListCaption_E", "ListSonCaption_C", "ListSonCaption_E"});
      list_sons->Update();
    }
    if (duplicates) state::State().ColumnsNeedRewrite = true;
    return false;
  } catch (const automation::AutomationError& error) {
    storage::ShowErr(error);
    return true;
  }
}

}  // namespace prefdesk::columns
