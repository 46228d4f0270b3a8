#include "platform/automation/error.h"
#include "src/columns/get_def_val_columns_caption.h"
#include "src/storage/order_bounds.h"
#include "src/columns/tag_get_svr_val_columns_visible.h"
#include "src/state/shared_state.h"
#include "src/storage/local_query.h"
#include "src/storage/sql_literal.h"

namespace prefdesk::columns {
namespace {

const std::string kSource = "tagGetSvrValColumnsVisible";

constexpr storage::OrderMessages kTitleMessages{
    "Titles can not be found in server.", "服务器未找到栏目！",
    "The sequences of titles in server are error!", "服务器中栏目的排列顺序错误！"};
constexpr storage::OrderMessages kListMessages{
    "The first level columns can not be found in server.", "服务器未找到第一级列！",
    "The sequences of first level columns in server are error!",
    "服务器中第一级列的排列顺序错误！"};
constexpr storage::OrderMessages kSonMessages{
    "The second level columns can not be found in server.", "服务器未找到第二级列！",
    "The sequences of second level columns in server are error!",
    "服务器中第二级列的排列顺序错误！"};

void TestServerOrders(storage::DataCenter& dc, const std::string& sql,
                      const storage::OrderMessages& messages, int32_t& smallest, int32_t& largest) {
  std::shared_ptr<ado::Recordset> aggregate;
  storage::RecordsetCloser closer(aggregate);
  aggregate = storage::OpenOrRaise(dc, sql);
  storage::ReadOrderBounds(*aggregate, messages, kSource, smallest, largest);
}

}  // namespace

bool tagGetSvrValColumnsVisible(storage::DataCenterRef DataCenter,
                                std::shared_ptr<ado::Connection> BaseConn,
                                std::shared_ptr<ado::Recordset>& title_lists,
                                std::shared_ptr<ado::Recordset>& list_sons,
                                int32_t& min_title_order, int32_t& max_title_order,
                                int32_t& min_list_order, int32_t& max_list_order,
                                int32_t& min_son_order, int32_t& max_son_order) {
  std::shared_ptr<ado::Recordset> server_title_lists;
  std::shared_ptr<ado::Recordset> server_list_sons;
  storage::RecordsetCloser title_closer(server_title_lists);
  storage::RecordsetCloser son_closer(server_list_sons);
  try {
    storage::DataCenter& dc = storage::Require(DataCenter, kSource);
    const std::string uid = storage::SqlInt(state::State().UserID);
    TestServerOrders(dc,
                     "select Min(a.F_SEQUENCENO) as MinDefaultOrder, Max(a.F_SEQUENCENO) as "
                     "MaxDefaultOrder from T_PHBUTTON a Where a.F_UID =" + uid,
                     kTitleMessages, min_title_order, max_title_order);
    TestServerOrders(dc,
                     "select Min(a.F_SEQUENCENO) as MinDefaultOrder, Max(a.F_SEQUENCENO) as "
                     "MaxDefaultOrder from T_PVBUTTON a Where a.F_UID = " + uid +
                         " And ( a.F_PVBUTTONID Is NULL Or a.F_PVBUTTONID = 0 )",
                     kListMessages, min_list_order, max_list_order);
    server_title_lists = storage::OpenOrRaise(dc,
          "Select a.F_HBUTTONNAME As TitleName,a.F_HBUTTONID As TitleID,a.F_HBUTTONLABEL As "
          "TitleCaption_C,a.F_HBUTTONLABEL As TitleCaption_E, c.F_ISVISIBLE As TitleVisible,"
          "c.F_SEQUENCENO As TitleOrder, "
          "b.F_VBUTTONNAME As ListName,b.F_VBUTTONID As ListID,b.F_VBUTTONLABEL As ListCaption_C,"
          "b.F_VBUTTONLABEL As ListCaption_E,d.F_ISVISIBLE As ListVisible,d.F_DEFAULTVISIBLE As "
          "DefaultVisible,d.F_SEQUENCENO As ListOrder "
          "From    ( T_PHBUTTON c Inner Join SYSTBLHBUTTON a On a.F_HBUTTONID=c.F_HBUTTONID ) "
          "Left Outer Join "
          "( ( Select * From T_PVBUTTON Where F_PVBUTTONID Is NULL Or F_PVBUTTONID=0 ) d Inner "
          "Join SYSTBLVBUTTON b On b.F_VBUTTONID=d.F_VBUTTONID ) "
          "On c.F_UID=d.F_UID and c.F_HBUTTONID=d.F_HBUTTONID "
          "Where c.F_UID = " + uid + " Order By TitleName Asc,ListName Asc");
    TestServerOrders(dc,
                     "select Min(a.F_SEQUENCENO) as MinDefaultOrder, Max(a.F_SEQUENCENO) as "
                     "MaxDefaultOrder from T_PVBUTTON a Where a.F_UID = " + uid +
                         " And a.F_PVBUTTONID > 0 ",
                     kSonMessages, min_son_order, max_son_order);
    server_list_sons = storage::OpenOrRaise(dc,
          "Select e.F_HBUTTONNAME As TitleName,a.F_VBUTTONNAME As ListName,a.F_VBUTTONID As "
          "ListID,a.F_VBUTTONLABEL As ListCaption_C,a.F_VBUTTONLABEL As ListCaption_E,"
          "c.F_ISVISIBLE As ListVisible,c.F_SEQUENCENO As ListOrder,"
          "b.F_VBUTTONNAME As ListSonName,b.F_VBUTTONID As ListSonID,b.F_VBUTTONLABEL As "
          "ListSonCaption_C,b.F_VBUTTONLABEL As ListSonCaption_E,d.F_ISVISIBLE As ListSonVisible,"
          "d.F_SEQUENCENO As ListSonOrder "
          "From SYSTBLVBUTTON a,SYSTBLVBUTTON b,T_PVBUTTON c,T_PVBUTTON d,SYSTBLHBUTTON e "
          "Where a.F_VBUTTONID=c.F_VBUTTONID And b.F_VBUTTONID=d.F_VBUTTONID And "
          "c.F_HBUTTONID=e.F_HBUTTONID And c.F_UID=d.F_UID And c.F_HBUTTONID=d.F_HBUTTONID And "
          "c.F_VBUTTONID=d.F_PVBUTTONID And c.F_UID=" + uid +
              " Order By ListName Asc,ListSonName Asc");
    return GetDefValColumnsCaption(BaseConn, server_title_lists, server_list_sons, title_lists,
                                   list_sons);
  } catch (const automation::AutomationError&) {
    return true;
  }
}

}  // namespace prefdesk::columns
