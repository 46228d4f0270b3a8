// Every statement the component sends runs on databases built from the data folder. The
// texts are the component's own, with user 1, title 1 (Accounts) and list 1 filled in.
#include <gtest/gtest.h>

#include "platform/ado/recordset.h"
#include "support/temp_databases.h"

namespace prefdesk::datacenter {
namespace {

enum class Db { Local, Server };

struct Query {
  const char* routine;
  Db db;
  std::string sql;
};

const std::vector<Query>& Queries() {
  static const std::vector<Query> queries = {
      {"GetSvrValMaxHistoryRecords", Db::Server, "Select F_MAXHISTORY From T_PMISC Where F_UID= 1"},
      {"GetDefValMaxHistoryRecords", Db::Local, "Select MaxHistoricalRecords From DefaultOtherStyle"},
      {"GetSvrValProductComparisonRecords", Db::Server,
       "Select F_PRDACMPMAX From T_PMISC Where F_UID= 1"},
      {"GetSvrValForecast", Db::Server,
       "Select F_FCSLENGTH_MM, F_FCSLENGTH_QT, F_FCSLENGTH_YR From T_PMISC Where F_UID = 1"},
      {"GetSvrValsCalendar", Db::Server,
       "Select F_DEFAPDUR,F_DAYSTIME,F_DAYETIME,F_ALARMADV,F_SOLEINTERVAL From T_PMISC Where F_UID= 1"},
      {"GetDefValsCalendar", Db::Local,
       "Select AppointmentDuration,AppointmentStartDayTime,AppointmentEndDayTime,"
       "AppointmentAlarmBeforeTime,AppointmentTimeSlotInterval From DefaultOtherStyle"},
      {"GetSvrValExpenseReport", Db::Server,
       "Select F_DEFORGCHARGE,F_DEFADVPAID From T_PMISC Where F_UID= 1"},
      {"GetDefValExpenseReport", Db::Local,
       "Select ExpenseChargeNumber,ExpenseCashAdvance From DefaultOtherStyle"},
      {"GetDefValColumnsVisible titles", Db::Local,
       "Select Min(DefaultOrder) As MinDefaultOrder, Max(DefaultOrder) As MaxDefaultOrder From BarTitle"},
      {"GetDefValColumnsVisible lists", Db::Local,
       "Select Min(DefaultOrder) As MinDefaultOrder, Max(DefaultOrder) As MaxDefaultOrder From BarList "
       "Where ( ParentID Is NULL Or ParentID = 0 )"},
      {"GetDefValColumnsVisible sons", Db::Local,
       "Select Min(DefaultOrder) As MinDefaultOrder, Max(DefaultOrder) As MaxDefaultOrder From BarList "
       "Where ParentID > 0"},
      {"GetDefValColumnsVisible title catalogue", Db::Server,
       "select a.F_HBUTTONID As TitleID ,a.F_HBUTTONNAME As TitleName ,b.F_VBUTTONID As ListID "
       ",b.F_VBUTTONNAME As ListName "
       "from SYSTBLHBUTTON a left outer join ( Select * From SYSTBLVBUTTON Where F_PVBUTTONID Is "
       "Null or F_PVBUTTONID=0 ) b on a.F_HBUTTONID = b.F_HBUTTONID "
       "order by a.F_HBUTTONNAME ASC,b.F_VBUTTONNAME ASC"},
      {"GetDefValColumnsVisible title layout", Db::Local,
       "Select BarTitle.TitleName As TitleName,BarTitle.TitleID As TitleID,BarTitle.TitleNameChinese "
       "As TitleCaption_C,BarTitle.TitleNameEnglish As TitleCaption_E,BarTitle.Visible As "
       "TitleVisible,BarTitle.DefaultOrder As TitleOrder,"
       "TempBarList.ListName As ListName,TempBarList.ListID As ListID,TempBarList.ListNameChinese "
       "As ListCaption_C,TempBarList.ListNameEnglish As ListCaption_E,TempBarList.Visible As "
       "ListVisible, TempBarList.DefaultVisible As DefaultVisible, TempBarList.DefaultOrder As "
       "ListOrder "
       "From BarTitle Left Outer Join ( Select * From BarList Where BarList.ParentID = 0 ) "
       "TempBarList On BarTitle.TitleID=TempBarList.TitleID "
       "Order By TitleName ASC,ListName ASC"},
      {"GetDefValColumnsVisible list catalogue", Db::Server,
       "select c.F_HBUTTONNAME As TitleName,a.F_VBUTTONID As ListID ,a.F_VBUTTONNAME As ListName "
       ",b.F_VBUTTONID As ListSonID ,b.F_VBUTTONNAME As ListSonName "
       "from SYSTBLVBUTTON a,SYSTBLVBUTTON b ,SYSTBLHBUTTON c "
       "Where a.F_VBUTTONID = b.F_PVBUTTONID And a.F_HBUTTONID = c.F_HBUTTONID "
       "order by a.F_VBUTTONNAME ASC,b.F_VBUTTONNAME ASC"},
      {"GetDefValColumnsVisible list layout", Db::Local,
       "Select c.TitleName As TitleName,"
       "a.ListName As ListName, a.ListID As ListID, a.ListNameChinese As ListCaption_C, "
       "a.ListNameEnglish As ListCaption_E, a.Visible As ListVisible, a.DefaultOrder As ListOrder,"
       "b.ListName As ListSonName, b.ListID As ListSonID, b.ListNameChinese As ListSonCaption_C, "
       "b.ListNameEnglish As ListSonCaption_E, b.Visible As ListSonVisible, b.DefaultOrder As "
       "ListSonOrder "
       "From ( BarList a "
       " Left Outer Join BarList b On a.ListID=b.ParentID ) "
       " Inner Join BarTitle c On a.TitleID=c.TitleID "
       "Order By a.ListName ASC, b.ListName ASC"},
      {"GetDefValColumnsCaption titles", Db::Local,
       "Select a.TitleName As TitleName,a.TitleNameChinese As TitleCaption_C,a.TitleNameEnglish As "
       "TitleCaption_E,b.ListName As ListName,b.ListNameChinese As ListCaption_C,b.ListNameEnglish "
       "As ListCaption_E "
       "From BarTitle a, BarList b "
       "Where  a.TitleID=b.TitleID "
       "Order By a.TitleID ASC,b.ListID ASC"},
      {"GetDefValColumnsCaption sons", Db::Local,
       "Select a.TitleName As TitleName,b.ListName As ListName,b.ListNameChinese As "
       "ListCaption_C,b.ListNameEnglish As ListCaption_E,c.ListName As ListSonName,"
       "c.ListNameChinese As ListSonCaption_C,c.ListNameEnglish As ListSonCaption_E "
       "From BarTitle a,BarList b,BarList c "
       "Where b.ListID=c.ParentID And b.TitleID=a.TitleID "
       "Order By b.ListID ASC,c.ListID ASC"},
      {"tagGetSvrValColumnsVisible titles", Db::Server,
       "select Min(a.F_SEQUENCENO) as MinDefaultOrder, Max(a.F_SEQUENCENO) as MaxDefaultOrder "
       "from T_PHBUTTON a "
       "Where a.F_UID =1"},
      {"tagGetSvrValColumnsVisible lists", Db::Server,
       "select Min(a.F_SEQUENCENO) as MinDefaultOrder, Max(a.F_SEQUENCENO) as MaxDefaultOrder "
       "from T_PVBUTTON a "
       "Where a.F_UID = 1 And ( a.F_PVBUTTONID Is NULL Or a.F_PVBUTTONID = 0 )"},
      {"tagGetSvrValColumnsVisible title layout", Db::Server,
       "Select a.F_HBUTTONNAME As TitleName,a.F_HBUTTONID As TitleID,a.F_HBUTTONLABEL As "
       "TitleCaption_C,a.F_HBUTTONLABEL As TitleCaption_E, c.F_ISVISIBLE As TitleVisible,"
       "c.F_SEQUENCENO As TitleOrder, "
       "b.F_VBUTTONNAME As ListName,b.F_VBUTTONID As ListID,b.F_VBUTTONLABEL As ListCaption_C,"
       "b.F_VBUTTONLABEL As ListCaption_E,d.F_ISVISIBLE As ListVisible,d.F_DEFAULTVISIBLE As "
       "DefaultVisible,d.F_SEQUENCENO As ListOrder "
       "From    ( T_PHBUTTON c Inner Join SYSTBLHBUTTON a On a.F_HBUTTONID=c.F_HBUTTONID ) "
       "Left Outer Join "
       "( ( Select * From T_PVBUTTON Where F_PVBUTTONID Is NULL Or F_PVBUTTONID=0 ) d Inner Join "
       "SYSTBLVBUTTON b On b.F_VBUTTONID=d.F_VBUTTONID ) "
       "On c.F_UID=d.F_UID and c.F_HBUTTONID=d.F_HBUTTONID "
       "Where c.F_UID = 1 "
       "Order By TitleName Asc,ListName Asc"},
      {"tagGetSvrValColumnsVisible sons", Db::Server,
       "select Min(a.F_SEQUENCENO) as MinDefaultOrder, Max(a.F_SEQUENCENO) as MaxDefaultOrder "
       "from T_PVBUTTON a "
       "Where a.F_UID = 1 And a.F_PVBUTTONID > 0 "},
      {"tagGetSvrValColumnsVisible list layout", Db::Server,
       "Select e.F_HBUTTONNAME As TitleName,a.F_VBUTTONNAME As ListName,a.F_VBUTTONID As ListID,"
       "a.F_VBUTTONLABEL As ListCaption_C,a.F_VBUTTONLABEL As ListCaption_E,c.F_ISVISIBLE As "
       "ListVisible,c.F_SEQUENCENO As ListOrder,"
       "b.F_VBUTTONNAME As ListSonName,b.F_VBUTTONID As ListSonID,b.F_VBUTTONLABEL As "
       "ListSonCaption_C,b.F_VBUTTONLABEL As ListSonCaption_E,d.F_ISVISIBLE As ListSonVisible,"
       "d.F_SEQUENCENO As ListSonOrder "
       "From SYSTBLVBUTTON a,SYSTBLVBUTTON b,T_PVBUTTON c,T_PVBUTTON d,SYSTBLHBUTTON e "
       "Where a.F_VBUTTONID=c.F_VBUTTONID And b.F_VBUTTONID=d.F_VBUTTONID And "
       "c.F_HBUTTONID=e.F_HBUTTONID And c.F_UID=d.F_UID And c.F_HBUTTONID=d.F_HBUTTONID And "
       "c.F_VBUTTONID=d.F_PVBUTTONID And c.F_UID=1 "
       "Order By ListName Asc,ListSonName Asc"},
      {"ReadColumnsBar titles", Db::Server,
       "Select a.F_HBUTTONID As TitleID,a.F_HBUTTONNAME As TitleName,a.F_HBUTTONLABEL "
       "TitleCaption,b.F_SEQUENCENO As TitlePos,b.F_ISVISIBLE As TitleVisible "
       "From SYSTBLHBUTTON a,T_PHBUTTON b "
       "Where a.F_HBUTTONID=b.F_HBUTTONID And b.F_UID=1 "
       "Order By TitlePos Asc"},
      {"ReadColumnsBar local titles", Db::Local,
       "Select TitleName,TitleNameChinese,TitleNameEnglish From BarTitle"},
      {"ReadColumnsBar lists", Db::Server,
       "Select a.F_VBUTTONNAME As ListName,a.F_VBUTTONLABEL As ListCaption,b.F_SEQUENCENO As "
       "ListPos,b.F_ISVISIBLE As ListVisible,b.F_DEFAULTVISIBLE As DefaultVisible,b.F_ISPRIMARY "
       "As IsDefault "
       "From SYSTBLVBUTTON a,T_PVBUTTON b "
       "Where a.F_VBUTTONID=b.F_VBUTTONID And b.F_UID=1 And b.F_HBUTTONID=1 And ( "
       "b.F_PVBUTTONID Is NULL Or b.F_PVBUTTONID=0 ) "
       "Order By ListPos Asc"},
      {"ReadColumnsBar local lists", Db::Local,
       "Select ListName,ListNameChinese,ListNameEnglish From ViewBarList Where TitleName='Accounts'"},
      {"ReadColumnsBar sons", Db::Server,
       "Select a.F_VBUTTONNAME As ListSonName,a.F_VBUTTONLABEL As ListSonCaption,b.F_SEQUENCENO "
       "As ListSonPos,b.F_ISVISIBLE As ListSonVisible,c.F_VBUTTONNAME As ListName "
       "From SYSTBLVBUTTON a,T_PVBUTTON b,SYSTBLVBUTTON c "
       "Where a.F_VBUTTONID=b.F_VBUTTONID And c.F_VBUTTONID=b.F_PVBUTTONID And b.F_UID=1 And "
       "b.F_HBUTTONID=1 And b.F_PVBUTTONID>0 "
       "Order By ListName Asc,ListSonPos Asc"},
      {"ReadColumnsBar local sons", Db::Local,
       "Select ParentName As ListName,ListName As ListSonName,ListNameChinese As "
       "ListSonNameChinese,ListNameEnglish As ListSonNameEnglish From ViewBarList Where "
       "TitleName='Accounts' And ParentName Is Not NULL"},
      {"GetDefaultColumn", Db::Server,
       "Select a.F_HBUTTONNAME As DefaultTitleName From SYSTBLHBUTTON a,T_PHBUTTON b Where "
       "a.F_HBUTTONID=b.F_HBUTTONID And b.F_ISPRIMARY=1 And b.F_UID=1"},
      {"GetDefaultColumn local", Db::Local,
       "Select TitleNameChinese,TitleNameEnglish From BarTitle Where TitleName='Accounts'"},
      {"tagGetSvrValStartup titles", Db::Server,
       "select Min(F_SEQUENCENO) as MinDefaultOrder, Max(F_SEQUENCENO) as MaxDefaultOrder "
       "from T_PHBUTTON "
       "Where F_UID =1"},
      {"tagGetSvrValStartup primaries", Db::Server,
       "select a.F_HBUTTONNAME As TitleName,a.F_HBUTTONLABEL As TitleNameChinese,a.F_HBUTTONLABEL "
       "As TitleNameEnglish,c.F_VBUTTONNAME as DefaultList,a.F_SEQUENCENO as DefaultOrder "
       "from T_PVBUTTON b "
       "inner join SYSTBLHBUTTON a on a.F_HBUTTONID=b.F_HBUTTONID "
       "inner join SYSTBLVBUTTON c on c.F_VBUTTONID=b.F_VBUTTONID "
       "Where b.F_UID =1 And b.F_ISPRIMARY=1 "
       "Order By DefaultOrder ASC "},
      {"startup list orders", Db::Local,
       "Select Min(DefaultOrder) As MinDefaultOrder, Max(DefaultOrder) As MaxDefaultOrder From BarList "},
      {"startup lists", Db::Local,
       "Select a.TitleName As TitleName,b.ListName As ListName,b.ListNameChinese As "
       "ListNameChinese,b.ListNameEnglish As ListNameEnglish,b.DefaultOrder As DefaultOrder "
       "From BarTitle a,BarList b "
       "Where a.TitleID=b.TitleID And b.CanStatrup=True "
       "Order By a.TitleID ASC, b.DefaultOrder ASC "},
      {"GetDefValStartup titles", Db::Local,
       "Select TitleName,TitleNameChinese,TitleNameEnglish,DefaultList,DefaultOrder From BarTitle "
       "Order By TitleName ASC"},
      {"SaveValsStartupToSvr titles", Db::Server, "Select F_HBUTTONID,F_HBUTTONNAME From SYSTBLHBUTTON "},
      {"SaveValsStartupToSvr lists", Db::Server,
       "Select F_HBUTTONID,F_VBUTTONID,F_VBUTTONNAME From SYSTBLVBUTTON "},
      {"GetSvrValDefaultQuery screens", Db::Server,
       "Select a.F_HBUTTONID As TitleID,a.F_HBUTTONNAME As TitleName,b.F_VBUTTONID As ListID,"
       "b.F_VBUTTONNAME As ListName "
       "From SYSTBLHBUTTON a ,( Select * From SYSTBLVBUTTON Where F_VBUTTONID Not In ( Select "
       "Distinct F_PVBUTTONID From SYSTBLVBUTTON Where F_PVBUTTONID Is Not NULL )) b "
       "Where a.F_HBUTTONID=b.F_HBUTTONID "
       "Order By TitleID ASC,ListID ASC"},
      {"GetSvrValDefaultQuery local screens", Db::Local,
       "Select a.TitleName As TitleName,a.TitleNameChinese As TitleLabel_C,a.TitleNameEnglish As "
       "TitleLabel_E,b.ListName As ListName,b.ListNameChinese As ListLabel_C,b.ListNameEnglish As "
       "ListLabel_E "
       "From BarTitle a,( Select * From BarList Where ListID Not In ( Select Distinct ParentID "
       "From BarList Where ParentID > 0 ) ) b "
       "Where a.TitleID=b.TitleID "
       "Order By a.TitleID ASC,b.ListID ASC"},
      {"GetSvrValDefaultQuery queries", Db::Server,
       "Select F_HBUTTONID As TitleID,F_QUERYID As QueryID,F_QUERYNAME As QueryName "
       "From T_PQUERY "
       "Where F_UID=1 "
       "Order By TitleID ASC"},
      {"GetSvrValDefaultQuery defaults", Db::Server,
       "Select a.F_HBUTTONID As TitleID,a.F_VBUTTONID As ListID,a.F_DEFQUERYID As "
       "DefaultQueryID,b.F_QUERYNAME As DefaultQueryName "
       "From T_PVBUTTON a "
       "left outer join T_PQUERY b on a.F_DEFQUERYID=b.F_QUERYID "
       "Where a.F_UID =1"},
      {"LoadUserScheme", Db::Server,
       "Select * from T_PSCREENSTYLE where F_UID=1 And ScreenStyleName<>'Default'"},
      {"SaveToDefaultScheme", Db::Server,
       "Select * From T_PSCREENSTYLE Where F_UID=1 And ScreenStyleName='Default'"},
  };
  return queries;
}

// User 1 with the whole catalogue as layout, a settings row, two queries (one chosen as a
// default) and two appearance schemes.
void SeedUser1(const test_support::TempDatabases& db) {
  db.SeedServerLayout(1);
  db.ExecServer(
      "INSERT INTO T_PMISC VALUES (1, 30, 10, 6, 4, 2, '00:30:00', '08:30:00', '17:30:00', "
      "'00:15:00', 30, 'EXP-0100', 750.5);"
      "INSERT INTO T_PQUERY (F_QUERYID, F_UID, F_HBUTTONID, F_QUERYNAME) VALUES "
      "('101', 1, 1, 'Key accounts in Shanghai'), ('102', 1, 2, 'Decision makers');"
      "UPDATE T_PVBUTTON SET F_DEFQUERYID='101' WHERE F_UID=1 AND F_VBUTTONID=1;"
      "INSERT INTO T_PSCREENSTYLE (F_UID, ScreenStyleName, ColorFormBack) VALUES "
      "(1, 'Default', 16777215), (1, 'Mine', 255);");
}

TEST(StatementForms, EveryQueryRunsAndFindsRows) {
  test_support::TempDatabases db;
  SeedUser1(db);
  for (const Query& q : Queries()) {
    SCOPED_TRACE(q.routine);
    std::shared_ptr<ado::Recordset> rs;
    if (q.db == Db::Local) {
      ASSERT_NO_THROW(rs = db.Local()->Execute(q.sql));
    } else {
      ASSERT_GE(db.Server()->OpenRecordsetByString(rs, q.sql), 0)
          << db.Server()->GetErrInfo().Description;
    }
    ASSERT_TRUE(rs);
    EXPECT_FALSE(rs->IsEOF());
    EXPECT_GT(rs->RecordCount(), 0);
    rs->Close();
  }
}

struct Write {
  const char* routine;
  std::vector<std::string> args;  // Insert: table, columns, values; Update: table, assignments,
                                  // "", condition; Delete: table, condition
  int32_t changes;
};

int32_t RunWrite(storage::DataCenter& dc, const Write& w) {
  switch (w.args.size()) {
    case 2: return dc.Delete(w.args[0], w.args[1]);
    case 3: return dc.Insert(w.args[0], w.args[1], w.args[2]);
    default: return dc.Update(w.args[0], w.args[1], w.args[2], w.args[3]);
  }
}

TEST(StatementForms, EveryWriteRunsWithItsEffect) {
  test_support::TempDatabases db;
  SeedUser1(db);
  const int32_t user_lists = static_cast<int32_t>(db.ServerInt("SELECT COUNT(*) FROM SYSTBLVBUTTON"));
  const int32_t title1_lists =
      static_cast<int32_t>(db.ServerInt("SELECT COUNT(*) FROM SYSTBLVBUTTON WHERE F_HBUTTONID=1"));
  const std::vector<Write> writes = {
      {"SaveValsPrimaryToSvr lists off", {"T_PVBUTTON", "F_ISPRIMARY=0", "", "F_UID=1 And F_HBUTTONID=1"},
       title1_lists},
      {"SaveValsPrimaryToSvr list on",
       {"T_PVBUTTON", "F_ISPRIMARY=1", "", "F_UID=1 And F_VBUTTONID=1 And F_HBUTTONID=1"}, 1},
      {"SaveValsPrimaryToSvr titles off", {"T_PHBUTTON", "F_ISPRIMARY=0", "", "F_UID=1"}, 12},
      {"SaveValsPrimaryToSvr title on",
       {"T_PHBUTTON", "F_ISPRIMARY=1", "", "F_UID=1 And F_HBUTTONID=1"}, 1},
      {"SaveValsDefaultQueryToSvr query",
       {"T_PVBUTTON", "F_DEFQUERYID='102'", "", "F_UID=1 And F_HBUTTONID=1 And F_VBUTTONID=2"}, 1},
      {"SaveValsDefaultQueryToSvr none",
       {"T_PVBUTTON", "F_DEFQUERYID=NULL", "", "F_UID=1 And F_HBUTTONID=1 And F_VBUTTONID=1"}, 1},
      {"SaveValsColumnsToSvr titles", {"T_PHBUTTON", "F_UID=1"}, 12},
      {"SaveValsColumnsToSvr lists", {"T_PVBUTTON", "F_UID=1"}, user_lists},
      {"SaveValsColumnsToSvr title",
       {"T_PHBUTTON", "F_UID,F_HBUTTONID,F_SEQUENCENO,F_ISVISIBLE,F_ISPRIMARY", "1, 1, 3, 1, 0"}, 1},
      {"SaveValsColumnsToSvr list",
       {"T_PVBUTTON", "F_UID,F_VBUTTONID,F_HBUTTONID,F_PVBUTTONID,F_SEQUENCENO,F_ISVISIBLE,F_DEFAULTVISIBLE,F_ISPRIMARY",
        "1, 5, 1, 0, 1, 1, 0, 0"}, 1},
      {"SaveValsColumnsToSvr son",
       {"T_PVBUTTON", "F_UID,F_VBUTTONID,F_HBUTTONID,F_PVBUTTONID,F_SEQUENCENO,F_ISVISIBLE,F_DEFAULTVISIBLE,F_ISPRIMARY",
        "1, 100, 1, 5, 1, 0, 1,0"}, 1},
      {"SaveAsScheme insert",
       {"T_PSCREENSTYLE", "F_UID,ScreenStyleName,ColorFormBack,FontNameGrid,FontSizeGrid",
        "1,'Ocean',8421376,'Arial',9"}, 1},
      {"SaveAsScheme update",
       {"T_PSCREENSTYLE", "ColorFormBack=0,FontNameGrid='Tahoma'", "",
        "F_UID=1 and ScreenStyleName='Ocean'"}, 1},
      {"DeleteScheme", {"T_PSCREENSTYLE", "F_UID=1 and  ScreenStyleName='Mine'"}, 1},
  };
  for (const Write& w : writes) {
    SCOPED_TRACE(w.routine);
    EXPECT_EQ(RunWrite(*db.Server(), w), w.changes) << db.Server()->GetErrInfo().Description;
  }
  EXPECT_EQ(db.ServerRows("SELECT F_HBUTTONID, F_PVBUTTONID, F_DEFAULTVISIBLE FROM T_PVBUTTON "
                          "WHERE F_UID=1 ORDER BY F_VBUTTONID"),
            (test_support::Rows{{"1", "0", "0"}, {"1", "5", "1"}}));
}

}  // namespace
}  // namespace prefdesk::datacenter
