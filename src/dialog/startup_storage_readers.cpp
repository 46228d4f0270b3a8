// tagGetSvrValStartup and GetDefValStartup: the start-up titles and lists for the Startup tab.

#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#include "src/columns/layout_recordsets.h"
#include "src/state/shared_state.h"
#include "src/dialog/startup_storage.h"
#include "src/resources/strings.h"
#include "src/storage/field_values.h"
#include "src/storage/local_query.h"
#include "src/storage/order_bounds.h"
#include "src/storage/show_err.h"
#include "src/storage/sql_literal.h"

namespace prefdesk::dialog {
namespace {

using automation::Variant;

constexpr storage::OrderMessages kServerTitles{
    "Startup titles doesn't be found in server.", "服务器未找到启动栏目！",
    "The sequences of startup titles in server are error!", "服务器中启动栏目的排列顺序错误！"};
constexpr storage::OrderMessages kLocalTitles{
    "Startup titles doesn't be found in local database.", "本地数据库未找到启动栏目！",
    "The sequences of startup titles in local database are error!",
    "本地数据库中启动栏目的排列顺序错误！"};
constexpr storage::OrderMessages kLocalLists{
    "Startup columns doesn't be found in local database.", "本地数据库未找到启动列目！",
    "The sequences of startup columns in local database are error!",
    "本地数据库中启动列目的排列顺序错误！"};

// The local lists that may open at start-up, with their order bounds.
void ReadStartupLists(const std::shared_ptr<ado::Connection>& cn, const std::string& source,
                      StartupRecordsets& out) {
  std::shared_ptr<ado::Recordset> bounds;
  storage::RecordsetCloser close_bounds(bounds);
  bounds = storage::OpenLocalQuery(
      cn, "Select Min(DefaultOrder) As MinDefaultOrder, Max(DefaultOrder) As MaxDefaultOrder "
          "From BarList ", source);
  storage::ReadOrderBounds(*bounds, kLocalLists, source, out.MinListOrder, out.MaxListOrder);
  out.lists = storage::OpenLocalQuery(
      cn,
      "Select a.TitleName As TitleName,b.ListName As ListName,b.ListNameChinese As "
      "ListNameChinese,b.ListNameEnglish As ListNameEnglish,b.DefaultOrder As DefaultOrder "
      "From BarTitle a,BarList b "
      "Where a.TitleID=b.TitleID And b.CanStatrup=True "
      "Order By a.TitleID ASC, b.DefaultOrder ASC ", source);
}

constexpr columns::FieldSpec kStartupTitleFields[] = {
    {"TitleName", ado::adBSTR},   {"TitleNameChinese", ado::adBSTR},
    {"TitleNameEnglish", ado::adBSTR}, {"DefaultList", ado::adBSTR},
    {"DefaultOrder", ado::adInteger},
};

// One title row from the server, its captions from the local title of the same name.
void AddServerTitle(const ado::Recordset& server, ado::Recordset& local, ado::Recordset& titles) {
  const Variant& name = server["TitleName"];
  titles.AddNew();
  titles.SetCollect("TitleName", name);
  titles.SetCollect("DefaultList", server["DefaultList"]);
  titles.SetCollect("DefaultOrder", storage::LongOrNull(server["DefaultOrder"]));
  local.SetFilter(name.IsNull() ? std::string("TitleName=NULL")
                                : "TitleName=" + storage::SqlText(automation::CStr(name)));
  if (!local.IsEOF()) {
    titles.SetCollect("TitleNameChinese", local["TitleNameChinese"]);
    titles.SetCollect("TitleNameEnglish", local["TitleNameEnglish"]);
  }
  titles.Update();
}

}  // namespace

void StartupRecordsets::Release() {
  storage::CloseIfOpen(titles);
  storage::CloseIfOpen(lists);
  titles.reset();
  lists.reset();
}

bool tagGetSvrValStartup(const std::shared_ptr<ado::Connection>& cn,
                         const storage::DataCenterRef& dc, StartupRecordsets& out) {
  const std::string source = "tagGetSvrValStartup";
  out.Release();
  std::shared_ptr<ado::Recordset> bounds;
  std::shared_ptr<ado::Recordset> rows;
  std::shared_ptr<ado::Recordset> local;
  storage::RecordsetCloser close_bounds(bounds);
  storage::RecordsetCloser close_rows(rows);
  storage::RecordsetCloser close_local(local);
  try {
    storage::DataCenter& center = storage::Require(dc, source);
    const std::string uid = storage::SqlInt(state::State().UserID);
    bounds = storage::OpenOrRaise(
        center,
        "select Min(F_SEQUENCENO) as MinDefaultOrder, Max(F_SEQUENCENO) as MaxDefaultOrder "
        "from T_PHBUTTON "
        "Where F_UID =" + uid);
    storage::ReadOrderBounds(*bounds, kServerTitles, source, out.MinTitleOrder, out.MaxTitleOrder);
    rows = storage::OpenOrRaise(
        center,
        "select a.F_HBUTTONNAME As TitleName,a.F_HBUTTONLABEL As TitleNameChinese,"
        "a.F_HBUTTONLABEL As TitleNameEnglish,c.F_VBUTTONNAME as DefaultList,"
        "a.F_SEQUENCENO as DefaultOrder "
        "from T_PVBUTTON b "
        "inner join SYSTBLHBUTTON a on a.F_HBUTTONID=b.F_HBUTTONID "
        "inner join SYSTBLVBUTTON c on c.F_VBUTTONID=b.F_VBUTTONID "
        "Where b.F_UID =" + uid + " And b.F_ISPRIMARY=1 "
        "Order By DefaultOrder ASC ");
    local = storage::OpenLocalQuery(cn, "Select TitleName,TitleNameChinese,TitleNameEnglish From BarTitle", source);
    out.titles = columns::NewInMemoryRecordset(kStartupTitleFields);
    for (; !rows->IsEOF(); rows->MoveNext()) AddServerTitle(*rows, *local, *out.titles);
    if (out.titles->RecordCount() > 0) out.titles->MoveFirst();
    ReadStartupLists(cn, source, out);
    return false;
  } catch (const automation::AutomationError&) {
    out.Release();
    return true;
  }
}

bool GetDefValStartup(const std::shared_ptr<ado::Connection>& cn, StartupRecordsets& out) {
  const std::string source = "GetDefValStartup";
  out.Release();
  std::shared_ptr<ado::Recordset> bounds;
  storage::RecordsetCloser close_bounds(bounds);
  try {
    bounds = storage::OpenLocalQuery(
        cn, "Select Min(DefaultOrder) As MinDefaultOrder, Max(DefaultOrder) As MaxDefaultOrder "
            "From BarTitle", source);
    storage::ReadOrderBounds(*bounds, kLocalTitles, source, out.MinTitleOrder, out.MaxTitleOrder);
    out.titles = storage::OpenLocalQuery(
        cn, "Select TitleName,TitleNameChinese,TitleNameEnglish,DefaultList,DefaultOrder "
            "From BarTitle Order By TitleName ASC", source);
    ReadStartupLists(cn, source, out);
    return false;
  } catch (const automation::AutomationError& error) {
    out.Release();
    storage::ShowErr(error);
    return true;
  }
}

}  // namespace prefdesk::dialog
