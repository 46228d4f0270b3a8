#include "platform/automation/error.h"
#include "src/columns/get_def_val_columns_caption.h"
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
    ado::Recordset& server_titles = Required(server_title_lists);
    for (; !server_titles.IsEOF(); server_titles.MoveNext()) {
      title_lists->AddNew();
      CopyRowByPosition(server_titles, *title_lists,
                        {"TitleCaption_C", "TitleCaption_E", "ListCaption_C", "ListCaption_E"});
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
    for (; !server_sons.IsEOF(); server_sons.MoveNext()) {
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
    return false;
  } catch (const automation::AutomationError& error) {
    storage::ShowErr(error);
    return true;
  }
}

}  // namespace prefdesk::columns
