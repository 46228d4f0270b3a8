#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#include "src/columns/get_def_val_columns_visible.h"
#include "src/columns/layout_filters.h"
#include "src/columns/layout_recordsets.h"
#include "src/storage/order_bounds.h"
#include "src/state/shared_state.h"
#include "src/storage/local_query.h"
#include "src/storage/show_err.h"

namespace prefdesk::columns {
namespace {

const std::string kSource = "GetDefValColumnsVisible";

constexpr storage::OrderMessages kTitleMessages{
    "Titles can not be found in local database.", "本地数据库未找到栏目！",
    "The sequences of titles in local database are error!", "本地数据库中栏目的排列顺序错误！"};
constexpr storage::OrderMessages kListMessages{
    "The first level columns can not be found in local database.",
    "本地数据库未找到所有的第一级列中！",
    "The sequences of the first level columns in local database are error!",
    "本地数据库中所有的第一级列中的排列顺序错误！"};
constexpr storage::OrderMessages kSonMessages{
    "The second level columns can not be found in local database.",
    "本地数据库未找到所有的第二级列中！",
    "The sequences of the second level columns in local database are error!",
    "本地数据库中所有的第二级列中的排列顺序错误！"};

void TestLocalOrders(const std::shared_ptr<ado::Connection>& cn, const std::string& sql,
                     const storage::OrderMessages& messages, int32_t& smallest, int32_t& largest) {
  std::shared_ptr<ado::Recordset> aggregate = storage::OpenLocalQuery(cn, sql, kSource);
  storage::RecordsetCloser closer(aggregate);
  storage::ReadOrderBounds(*aggregate, messages, kSource, smallest, largest);
}

// Sets two id fields of the new row from the first catalogue row the filter finds (0 for
// none or for an empty value), then shows the whole catalogue again.
void MatchIds(ado::Recordset& catalogue, const std::string& filter, ado::Recordset& row,
              const char* first_id, const char* second_id) {
  catalogue.SetFilter(filter);
  const bool found = !catalogue.IsEOF();
  PutTyped(row, first_id, found ? catalogue[first_id] : automation::Variant());
  PutTyped(row, second_id, found ? catalogue[second_id] : automation::Variant());
  catalogue.SetFilter("");
}

// Reads the catalogue, then stores the new title-list set in title_lists and fills it.
void FillTitleLists(storage::DataCenter& dc, const std::shared_ptr<ado::Connection>& cn,
                    std::shared_ptr<ado::Recordset>& title_lists) {
  std::shared_ptr<ado::Recordset> catalogue = storage::OpenOrRaise(
      dc,
      "select a.F_HBUTTONID As TitleID ,a.F_HBUTTONNAME As TitleName ,b.F_VBUTTONID As ListID "
      ",b.F_VBUTTONNAME As ListName "
      "from SYSTBLHBUTTON a left outer join ( Select * From SYSTBLVBUTTON Where F_PVBUTTONID Is "
      "Null or F_PVBUTTONID=0 ) b on a.F_HBUTTONID = b.F_HBUTTONID "
      "order by a.F_HBUTTONNAME ASC,b.F_VBUTTONNAME ASC");
  storage::RecordsetCloser catalogue_closer(catalogue);
  title_lists = NewTitleListRecordset();
  std::shared_ptr<ado::Recordset> local = storage::OpenLocalQuery(
      cn,
      "Select BarTitle.TitleName As TitleName,BarTitle.TitleID As TitleID,BarTitle.TitleNameChinese "
      "As TitleCaption_C,BarTitle.TitleNameEnglish As TitleCaption_E,BarTitle.Visible As "
      "TitleVisible,BarTitle.DefaultOrder As TitleOrder,"
      "TempBarList.ListName As ListName,TempBarList.ListID As ListID,TempBarList.ListNameChinese "
      "As ListCaption_C,TempBarList.ListNameEnglish As ListCaption_E,TempBarList.Visible As "
      "ListVisible, TempBarList.DefaultVisible As DefaultVisible, TempBarList.DefaultOrder As "
      "ListOrder "
      "From BarTitle Left Outer Join ( Select * From BarList Where BarList.ParentID = 0 ) "
      "TempBarList On BarTitle.TitleID=TempBarList.TitleID "
      "Order By TitleName ASC,ListName ASC", kSource);
  storage::RecordsetCloser local_closer(local);
  for (; !local->IsEOF(); local->MoveNext()) {
    title_lists->AddNew();
    CopyRowByPosition(*local, *title_lists, {"TitleID", "ListID"});
    MatchIds(*catalogue,
             TitleListIdFilter((*local)["TitleName"], (*local)["ListName"]),
             *title_lists, "TitleID", "ListID");
    title_lists->Update();
  }
}

// Reads the catalogue, then stores the new list-son set in list_sons and fills it.
void FillListSons(storage::DataCenter& dc, const std::shared_ptr<ado::Connection>& cn,
                  std::shared_ptr<ado::Recordset>& list_sons) {
  std::shared_ptr<ado::Recordset> catalogue = storage::OpenOrRaise(
      dc,
      "select c.F_HBUTTONNAME As TitleName,a.F_VBUTTONID As ListID ,a.F_VBUTTONNAME As ListName "
      ",b.F_VBUTTONID As ListSonID ,b.F_VBUTTONNAME As ListSonName "
      "from SYSTBLVBUTTON a,SYSTBLVBUTTON b ,SYSTBLHBUTTON c "
      "Where a.F_VBUTTONID = b.F_PVBUTTONID And a.F_HBUTTONID = c.F_HBUTTONID "
      "order by a.F_VBUTTONNAME ASC,b.F_VBUTTONNAME ASC");
  storage::RecordsetCloser catalogue_closer(catalogue);
  list_sons = NewListSonRecordset();
  std::shared_ptr<ado::Recordset> local = storage::OpenLocalQuery(
      cn,
      "Select c.TitleName As TitleName,"
      "a.ListName As ListName, a.ListID As ListID, a.ListNameChinese As ListCaption_C, "
      "a.ListNameEnglish As ListCaption_E, a.Visible As ListVisible, a.DefaultOrder As "
      "ListOrder,"
      "b.ListName As ListSonName, b.ListID As ListSonID, b.ListNameChinese As ListSonCaption_C, "
      "b.ListNameEnglish As ListSonCaption_E, b.Visible As ListSonVisible, b.DefaultOrder As "
      "ListSonOrder "
      "From ( BarList a "
      " Left Outer Join BarList b On a.ListID=b.ParentID ) "
      " Inner Join BarTitle c On a.TitleID=c.TitleID "
      "Order By a.ListName ASC, b.ListName ASC", kSource);
  storage::RecordsetCloser local_closer(local);
  for (; !local->IsEOF(); local->MoveNext()) {
    list_sons->AddNew();
    CopyRowByPosition(*local, *list_sons, {"ListID", "ListSonID"});
    MatchIds(*catalogue,
             ListSonFilter((*local)["TitleName"], (*local)["ListName"],
                           (*local)["ListSonName"]),
             *list_sons, "ListID", "ListSonID");
    list_sons->Update();
  }
}

}  // namespace

bool GetDefValColumnsVisible(storage::DataCenterRef DataCenter,
                             std::shared_ptr<ado::Connection> BaseConn,
                             std::shared_ptr<ado::Recordset>& title_lists,
                             std::shared_ptr<ado::Recordset>& list_sons,
                             int32_t& min_title_order, int32_t& max_title_order,
                             int32_t& min_list_order, int32_t& max_list_order,
                             int32_t& min_son_order, int32_t& max_son_order) {
  try {
    TestLocalOrders(BaseConn,
                    "Select Min(DefaultOrder) As MinDefaultOrder, Max(DefaultOrder) As "
                    "MaxDefaultOrder From BarTitle",
                    kTitleMessages, min_title_order, max_title_order);
    TestLocalOrders(BaseConn,
                    "Select Min(DefaultOrder) As MinDefaultOrder, Max(DefaultOrder) As "
                    "MaxDefaultOrder From BarList Where ( ParentID Is NULL Or ParentID = 0 )",
                    kListMessages, min_list_order, max_list_order);
    storage::DataCenter& dc = storage::Require(DataCenter, kSource);
    FillTitleLists(dc, BaseConn, title_lists);
    TestLocalOrders(BaseConn,
                    "Select Min(DefaultOrder) As MinDefaultOrder, Max(DefaultOrder) As "
                    "MaxDefaultOrder From BarList Where ParentID > 0",
                    kSonMessages, min_son_order, max_son_order);
    FillListSons(dc, BaseConn, list_sons);
    state::State().ColumnsFromLocalDefaults = true;
    return false;
  } catch (const automation::AutomationError& error) {
    storage::ShowErr(error);
    return true;
  }
}

}  // namespace prefdesk::columns
