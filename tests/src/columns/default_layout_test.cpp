#include <map>

#include "columns_fixture.h"
#include "platform/automation/conversions.h"
#include "src/columns/get_def_val_columns_visible.h"
#include "src/state/shared_state.h"
#include "src/resources/strings.h"

namespace prefdesk::columns::testing {
namespace {

class DefaultLayoutTest : public ColumnsTest {
 protected:
  bool Read() {
    return GetDefValColumnsVisible(recorder_, db_.Local(), title_lists_, list_sons_, orders_[0],
                                   orders_[1], orders_[2], orders_[3], orders_[4], orders_[5]);
  }
  // The one row of the title-list set whose title and list names are these.
  std::string TitleListRow(const std::string& title, const std::string& list) {
    for (const std::string& row : RowsOf(*title_lists_)) {
      if (row.starts_with(title + "|") && row.find("|" + list + "|") != std::string::npos) {
        return row;
      }
    }
    return "";
  }
  std::shared_ptr<ado::Recordset> title_lists_, list_sons_;
  int32_t orders_[6] = {};
};

TEST_F(DefaultLayoutTest, FactoryLayoutCarriesEveryTitleAndListWithServerIds) {
  ASSERT_FALSE(Read());
  EXPECT_TRUE(state::State().ColumnsFromLocalDefaults);
  EXPECT_EQ(Queries(),
            (std::vector<std::string>{
                "select a.F_HBUTTONID As TitleID ,a.F_HBUTTONNAME As TitleName ,b.F_VBUTTONID As ListID ,b.F_VBUTTONNAME As ListName from SYSTBLHBUTTON a left outer join ( Select * From SYSTBLVBUTTON Where F_PVBUTTONID Is Null or F_PVBUTTONID=0 ) b on a.F_HBUTTONID = b.F_HBUTTONID order by a.F_HBUTTONNAME ASC,b.F_VBUTTONNAME ASC",
                "select c.F_HBUTTONNAME As TitleName,a.F_VBUTTONID As ListID ,a.F_VBUTTONNAME As ListName ,b.F_VBUTTONID As ListSonID ,b.F_VBUTTONNAME As ListSonName from SYSTBLVBUTTON a,SYSTBLVBUTTON b ,SYSTBLHBUTTON c Where a.F_VBUTTONID = b.F_PVBUTTONID And a.F_HBUTTONID = c.F_HBUTTONID order by a.F_VBUTTONNAME ASC,b.F_VBUTTONNAME ASC"}));
  EXPECT_EQ(title_lists_->RecordCount(),
            db_.LocalInt("SELECT COUNT(*) FROM BarTitle t LEFT JOIN BarList l "
                         "ON l.TitleID = t.TitleID AND l.ParentID = 0"));
  EXPECT_EQ(list_sons_->RecordCount(),
            db_.LocalInt("SELECT COUNT(*) FROM BarList a LEFT JOIN BarList b ON b.ParentID = a.ListID"));
  const int32_t expected_orders[6] = {
      1, static_cast<int32_t>(db_.LocalInt("SELECT MAX(DefaultOrder) FROM BarTitle")),
      1, static_cast<int32_t>(db_.LocalInt("SELECT MAX(DefaultOrder) FROM BarList WHERE ParentID = 0")),
      1, static_cast<int32_t>(db_.LocalInt("SELECT MAX(DefaultOrder) FROM BarList WHERE ParentID > 0"))};
  EXPECT_TRUE(std::equal(orders_, orders_ + 6, expected_orders));

  // Every second-level list of the seeded catalogue finds its server id and its list's.
  std::map<std::string, int64_t> list_ids;
  for (const auto& row : db_.ServerRows("SELECT F_VBUTTONNAME, F_VBUTTONID FROM SYSTBLVBUTTON")) {
    list_ids[row[0]] = std::stoll(row[1]);
  }
  int matched_sons = 0;
  for (list_sons_->MoveFirst(); !list_sons_->IsEOF(); list_sons_->MoveNext()) {
    const std::string son = automation::CStr((*list_sons_)["ListSonName"]);
    // The catalogue names a list only under its parent, so a row without a son finds no id.
    if (son.empty()) continue;
    EXPECT_EQ(automation::CLng((*list_sons_)["ListID"]),
              list_ids.at(automation::CStr((*list_sons_)["ListName"])));
    EXPECT_EQ(automation::CLng((*list_sons_)["ListSonID"]), list_ids.at(son));
    ++matched_sons;
  }
  EXPECT_EQ(matched_sons, db_.LocalInt("SELECT COUNT(*) FROM BarList WHERE ParentID > 0"));
  EXPECT_EQ(TitleListRow("Accounts", "AllAccounts"),
            "Accounts|1|客户|Accounts|1|1|AllAccounts|1|所有客户|All Accounts|1|1|1");
}

TEST_F(DefaultLayoutTest, UnmatchedNamesNullsAndQuotesGetDefaults) {
  db_.ExecLocal(
      "INSERT INTO BarTitle VALUES (100, 'Ghost', '幽灵', 'Ghost', NULL, NULL, NULL);"
      "INSERT INTO BarTitle VALUES (101, 'O''Neil', '奥尼尔', 'O''Neil', 1, 13, NULL);"
      "INSERT INTO BarList VALUES (1000, 1, 0, 'Orphan', '孤儿', 'Orphan', NULL, 1, NULL, 0);"
      "INSERT INTO BarList VALUES (1001, 101, 0, 'Q''List', '引号', 'Quote''s', 1, 0, 1, 0);"
      "UPDATE BarTitle SET DefaultOrder = 5 WHERE TitleID BETWEEN 2 AND 12;"
      "UPDATE BarTitle SET DefaultOrder = 3 WHERE TitleID = 1;"
      "UPDATE BarTitle SET DefaultOrder = 9 WHERE TitleID = 101;");
  db_.ExecServer(
      "INSERT INTO SYSTBLHBUTTON VALUES (101, 'O''Neil', 'O''Neil', 13);"
      "INSERT INTO SYSTBLVBUTTON VALUES (1001, 101, 'Q''List', 'Quote''s', NULL);");
  ASSERT_FALSE(Read());
  EXPECT_EQ(orders_[0], 3);
  EXPECT_EQ(orders_[1], 9);
  EXPECT_EQ(TitleListRow("Ghost", ""), "Ghost|0|幽灵|Ghost|0|0||0|||0|0|0");
  // No catalogue row has both names, so neither id is known.
  EXPECT_EQ(TitleListRow("Accounts", "Orphan"), "Accounts|0|客户|Accounts|1|3|Orphan|0|孤儿|Orphan|0|1|0");
  EXPECT_EQ(TitleListRow("O'Neil", "Q'List"), "O'Neil|101|奥尼尔|O'Neil|1|9|Q'List|1001|引号|Quote's|1|0|1");
  EXPECT_TRUE(ShownErrors().empty());
}

TEST_F(DefaultLayoutTest, EmptyLevelFailsWithItsOrderMessageInEitherLanguage) {
  const struct {
    const char* emptying;
    const char* english;
    const char* chinese;
  } levels[] = {
      {"DELETE FROM BarTitle", "The sequences of titles in local database are error!",
       "本地数据库中栏目的排列顺序错误！"},
      {"DELETE FROM BarList WHERE ParentID = 0",
       "The sequences of the first level columns in local database are error!",
       "本地数据库中所有的第一级列中的排列顺序错误！"},
      {"DELETE FROM BarList WHERE ParentID > 0",
       "The sequences of the second level columns in local database are error!",
       "本地数据库中所有的第二级列中的排列顺序错误！"},
  };
  for (const auto& level : levels) {
    test_support::TempDatabases fresh(kUser);
    fresh.ExecLocal(level.emptying);
    for (int language : {resources::kLangEnglish, resources::kLangChinese}) {
      resources::SetInterfaceLanguage(language);
      driver_.ClearJournal();
      EXPECT_TRUE(GetDefValColumnsVisible(fresh.Server(), fresh.Local(), title_lists_, list_sons_,
                                          orders_[0], orders_[1], orders_[2], orders_[3],
                                          orders_[4], orders_[5]));
      const bool chinese = language == resources::kLangChinese;
      EXPECT_EQ(ShownErrors(),
                std::vector<std::string>{std::string("GetDefValColumnsVisible|") +
                                         (chinese ? "错误： -1|" : "Error:-1|") +
                                         (chinese ? level.chinese : level.english)})
          << level.emptying;
    }
    EXPECT_FALSE(state::State().ColumnsFromLocalDefaults);
  }
}

TEST_F(DefaultLayoutTest, DataServiceFailureIsShownAndLeavesTheFlag) {
  faults_->FailNthCall(2);
  EXPECT_TRUE(Read());
  const storage::ErrInfo injected = datacenter::FaultInjector::InjectedError();
  EXPECT_EQ(ShownErrors(),
            std::vector<std::string>{injected.Source + "|Error:" + std::to_string(injected.Number) +
                                     "|" + injected.Description});
  EXPECT_FALSE(state::State().ColumnsFromLocalDefaults);
}

}  // namespace
}  // namespace prefdesk::columns::testing
