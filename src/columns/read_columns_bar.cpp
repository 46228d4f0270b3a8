#include <cstdint>
#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "platform/ado/types.h"
#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#include "src/columns/bar_row_order.h"
#include "src/columns/read_columns_bar.h"
#include "src/columns/layout_filters.h"
#include "src/columns/layout_recordsets.h"
#include "src/state/shared_state.h"
#include "src/resources/strings.h"
#include "src/storage/field_values.h"
#include "src/storage/local_query.h"
#include "src/storage/show_err.h"
#include "src/storage/sql_literal.h"

namespace prefdesk::columns {
namespace {

const std::string kSource = "ReadColumnsBar";

constexpr FieldSpec kTitleFields[] = {
    {"TitleID", ado::adInteger},  {"TitleName", ado::adBSTR},      {"TitleCaption", ado::adBSTR},
    {"TitlePos", ado::adInteger}, {"TitleVisible", ado::adBoolean},
};
constexpr FieldSpec kListFields[] = {
    {"ListName", ado::adBSTR},          {"ListCaption", ado::adBSTR},
    {"ListPos", ado::adInteger},        {"ListVisible", ado::adBoolean},
    {"DefaultVisible", ado::adBoolean}, {"IsDefault", ado::adBoolean},
};
constexpr FieldSpec kListSonFields[] = {
    {"ListSonName", ado::adBSTR},       {"ListSonCaption", ado::adBSTR},
    {"ListSonPos", ado::adInteger},     {"ListSonVisible", ado::adBoolean},
    {"ListName", ado::adBSTR},
};

// Where a working set takes its captions from, and its position field.
struct Captions {
  std::span<const FieldSpec> fields;
  const char* caption;  // the caption field of the working set
  const char* chinese;  // the local fields holding both captions
  const char* english;
  const char* position;
};

// Closes the connection when the routine ends, on every path.
class ConnectionCloser {
 public:
  explicit ConnectionCloser(const std::shared_ptr<ado::Connection>& cn) : cn_(cn) {}
  ~ConnectionCloser() {
    try {
      if (cn_->State() != ado::adStateClosed) cn_->Close();
    } catch (const automation::AutomationError&) {
      // A connection that cannot be closed is released all the same.
    }
  }

 private:
  const std::shared_ptr<ado::Connection>& cn_;
};


bool HasRows(const ado::Recordset& rs) { return !rs.IsEOF() && !rs.IsBOF(); }

std::string Text(const ado::Recordset& rs, const char* field) { return storage::TextOrEmpty(rs[field]); }

bool Flag(const ado::Recordset& rs, const char* field) {
  const automation::Variant& value = rs[field];
  return !value.IsEmptyOrNull() && automation::CBool(value);
}

// Copies the rows of the server set into a new working set, in the bar's order (a row
// without a usable position keeps none). The caption is the local one of the row the filter
// finds, in the current language; without a local row the server's own label stands in.
// Closes both sets it read and leaves the new one on its first row.
std::shared_ptr<ado::Recordset> WithLocalCaptions(
    const std::shared_ptr<ado::Recordset>& server, const std::vector<BarRow>& order,
    const std::shared_ptr<ado::Recordset>& local, const Captions& captions,
    const std::function<std::string(const ado::Recordset&)>& filter, bool chinese) {
  std::shared_ptr<ado::Recordset> rows = NewInMemoryRecordset(captions.fields);
  for (const BarRow& row : order) {
    server->SetAbsolutePosition(row.row);
    rows->AddNew();
    CopyRowByPosition(*server, *rows, {captions.caption, row.placed ? "" : captions.position});
    local->SetFilter(filter(*server));
    const bool found = !local->IsEOF();
    PutTyped(*rows, captions.caption,
             found ? (*local)[chinese ? captions.chinese : captions.english]
                   : (*server)[captions.caption]);
    local->SetFilter("");
    rows->Update();
  }
  server->Close();
  local->Close();
  if (rows->RecordCount() > 0) rows->MoveFirst();
  return rows;
}

// The catalogue ids of a title's lists by name, read once and only when a row without a usable
// position needs one; a name the catalogue lacks comes after every id.
class ListIds {
 public:
  ListIds(storage::DataCenter& dc, std::string title_id) : dc_(dc), title_id_(std::move(title_id)) {}
  int64_t Of(const std::string& name) {
    if (!read_) {
      read_ = true;
      std::shared_ptr<ado::Recordset> catalogue;
      storage::RecordsetCloser closer(catalogue);
      catalogue = storage::OpenOrRaise(dc_,
                                       "Select F_VBUTTONID As ListID,F_VBUTTONNAME As ListName From "
                                       "SYSTBLVBUTTON Where F_HBUTTONID=" + title_id_);
      for (; !catalogue->IsEOF(); catalogue->MoveNext()) {
        ids_.try_emplace(Text(*catalogue, "ListName"), automation::CLng((*catalogue)["ListID"]));
      }
    }
    const auto id = ids_.find(name);
    return id == ids_.end() ? INT64_MAX : id->second;
  }

 private:
  storage::DataCenter& dc_;
  std::string title_id_;
  bool read_ = false;
  std::map<std::string, int64_t> ids_;
};

void AddTitleLists(storage::DataCenter& dc, const std::shared_ptr<ado::Connection>& cn,
                   const std::string& uid, const ado::Recordset& title,
                   columnsbar::ColumnsBarTitle& item, bool chinese) {
  const std::string title_name = Text(title, "TitleName");
  const std::string title_id = storage::SqlInt(automation::CLng(title["TitleID"]));

  std::shared_ptr<ado::Recordset> server;
  std::shared_ptr<ado::Recordset> local;
  std::shared_ptr<ado::Recordset> rows;
  storage::RecordsetCloser server_closer(server);
  storage::RecordsetCloser local_closer(local);
  storage::RecordsetCloser rows_closer(rows);

  server = storage::OpenOrRaise(dc,
                 "Select a.F_VBUTTONNAME As ListName,a.F_VBUTTONLABEL As ListCaption,"
                 "b.F_SEQUENCENO As ListPos,b.F_ISVISIBLE As ListVisible,b.F_DEFAULTVISIBLE As "
                 "DefaultVisible,b.F_ISPRIMARY As IsDefault "
                 "From SYSTBLVBUTTON a,T_PVBUTTON b "
                 "Where a.F_VBUTTONID=b.F_VBUTTONID And b.F_UID=" + uid +
                     " And b.F_HBUTTONID=" + title_id +
                     " And ( b.F_PVBUTTONID Is NULL Or b.F_PVBUTTONID=0 ) Order By ListPos Asc");
  if (!HasRows(*server)) return;
  ListIds ids(dc, title_id);
  const std::vector<BarRow> lists = BarRowOrder(
      *server, {"ListPos", [](const ado::Recordset& row) { return Text(row, "ListName"); }, {},
                [&](const ado::Recordset& row) { return ids.Of(Text(row, "ListName")); }});
  local = storage::OpenLocalQuery(
      cn, "Select ListName,ListNameChinese,ListNameEnglish From ViewBarList Where TitleName=" +
              storage::SqlText(title_name), kSource);
  rows = WithLocalCaptions(
      server, lists, local,
      {kListFields, "ListCaption", "ListNameChinese", "ListNameEnglish", "ListPos"},
      [](const ado::Recordset& row) { return "ListName=" + storage::SqlText(Text(row, "ListName")); },
      chinese);
  for (; !rows->IsEOF(); rows->MoveNext()) {
    const std::string list_name = Text(*rows, "ListName");
    item.AddList(list_name, Text(*rows, "ListCaption"), Flag(*rows, "ListVisible"), "",
                 Flag(*rows, "DefaultVisible"));
    if (Flag(*rows, "IsDefault")) item.SetDefaultList(list_name);
  }
  rows->Close();

  server = storage::OpenOrRaise(dc,
                 "Select a.F_VBUTTONNAME As ListSonName,a.F_VBUTTONLABEL As ListSonCaption,"
                 "b.F_SEQUENCENO As ListSonPos,b.F_ISVISIBLE As ListSonVisible,c.F_VBUTTONNAME As "
                 "ListName "
                 "From SYSTBLVBUTTON a,T_PVBUTTON b,SYSTBLVBUTTON c "
                 "Where a.F_VBUTTONID=b.F_VBUTTONID And c.F_VBUTTONID=b.F_PVBUTTONID And b.F_UID=" +
                     uid + " And b.F_HBUTTONID=" + title_id +
                     " And b.F_PVBUTTONID>0 Order By ListName Asc,ListSonPos Asc");
  const std::vector<BarRow> sons = BarRowOrder(
      *server,
      {"ListSonPos",
       [](const ado::Recordset& row) {
         return Text(row, "ListName") + '\n' + Text(row, "ListSonName");
       },
       [](const ado::Recordset& row) { return Text(row, "ListName"); },
       [&](const ado::Recordset& row) { return ids.Of(Text(row, "ListSonName")); }});
  local = storage::OpenLocalQuery(
      cn,
      "Select ParentName As ListName,ListName As ListSonName,ListNameChinese As "
      "ListSonNameChinese,ListNameEnglish As ListSonNameEnglish From ViewBarList Where "
      "TitleName=" + storage::SqlText(title_name) + " And ParentName Is Not NULL", kSource);
  rows = WithLocalCaptions(
      server, sons, local,
      {kListSonFields, "ListSonCaption", "ListSonNameChinese", "ListSonNameEnglish", "ListSonPos"},
      [](const ado::Recordset& row) {
        return "ListName=" + storage::SqlText(Text(row, "ListName")) +
               " And ListSonName=" + storage::SqlText(Text(row, "ListSonName"));
      },
      chinese);
  for (; !rows->IsEOF(); rows->MoveNext()) {
    item.AddList(Text(*rows, "ListSonName"), Text(*rows, "ListSonCaption"),
                 Flag(*rows, "ListSonVisible"), Text(*rows, "ListName"), true);
  }
}

}  // namespace

BarReading ReadSavedColumnsBar(const std::string& connection_string, storage::DataCenterRef dc,
                               std::shared_ptr<columnsbar::ColumnsBar>& bar) {
  const bool chinese = resources::IsChinese();
  std::shared_ptr<ado::Connection> cn = ado::Connection::Create();
  ConnectionCloser connection_closer(cn);
  std::shared_ptr<ado::Recordset> server;
  std::shared_ptr<ado::Recordset> local;
  std::shared_ptr<ado::Recordset> titles;
  storage::RecordsetCloser server_closer(server);
  storage::RecordsetCloser local_closer(local);
  storage::RecordsetCloser titles_closer(titles);
  try {
    cn->SetConnectionString(connection_string);
    cn->Open();
    bar = std::make_shared<columnsbar::ColumnsBar>();
    storage::DataCenter& service = storage::Require(dc, kSource);
    const std::string uid = storage::SqlInt(state::State().UserID);
    server = storage::OpenOrRaise(service,
                   "Select a.F_HBUTTONID As TitleID,a.F_HBUTTONNAME As TitleName,a.F_HBUTTONLABEL "
                   "TitleCaption,b.F_SEQUENCENO As TitlePos,b.F_ISVISIBLE As TitleVisible "
                   "From SYSTBLHBUTTON a,T_PHBUTTON b "
                   "Where a.F_HBUTTONID=b.F_HBUTTONID And b.F_UID=" + uid +
                       " Order By TitlePos Asc");
    if (!HasRows(*server)) return BarReading::kNoLayout;
    const std::vector<BarRow> order = BarRowOrder(
        *server, {"TitlePos", [](const ado::Recordset& row) { return Text(row, "TitleID"); }, {},
                  [](const ado::Recordset& row) { return int64_t{automation::CLng(row["TitleID"])}; }});
    local = storage::OpenLocalQuery(cn,
                                    "Select TitleName,TitleNameChinese,TitleNameEnglish From "
                                    "BarTitle", kSource);
    titles = WithLocalCaptions(
        server, order, local,
        {kTitleFields, "TitleCaption", "TitleNameChinese", "TitleNameEnglish", "TitlePos"},
        [](const ado::Recordset& row) {
          return "TitleName=" + storage::SqlText(Text(row, "TitleName"));
        },
        chinese);
    for (; !titles->IsEOF(); titles->MoveNext()) {
      std::shared_ptr<columnsbar::ColumnsBarTitle> item = bar->AddTitle(
          Text(*titles, "TitleName"), Text(*titles, "TitleCaption"), Flag(*titles, "TitleVisible"));
      AddTitleLists(service, cn, uid, *titles, *item, chinese);
    }
    return BarReading::kBuilt;
  } catch (const automation::AutomationError& error) {
    storage::ShowErr(error);
    return BarReading::kFailed;
  }
}

bool ReadColumnsBar(const std::string& connection_string, storage::DataCenterRef dc,
                    std::shared_ptr<columnsbar::ColumnsBar>& bar) {
  return ReadSavedColumnsBar(connection_string, std::move(dc), bar) != BarReading::kBuilt;
}

}  // namespace prefdesk::columns
