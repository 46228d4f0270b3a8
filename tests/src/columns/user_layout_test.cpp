#include "columns_fixture.h"
#include "src/columns/tag_get_svr_val_columns_visible.h"

namespace prefdesk::columns::testing {
namespace {

class UserLayoutTest : public ColumnsTest {
 protected:
  bool Read() {
    return tagGetSvrValColumnsVisible(recorder_, db_.Local(), title_lists_, list_sons_,
                                      orders_[0], orders_[1], orders_[2], orders_[3], orders_[4],
                                      orders_[5]);
  }
  std::shared_ptr<ado::Recordset> title_lists_, list_sons_;
  int32_t orders_[6] = {};
};

TEST_F(UserLayoutTest, SavedLayoutComesBackWithLocalCaptions) {
  db_.SeedServerLayout(kUser);
  db_.SeedServerLayout(kUser + 1);
  db_.ExecServer("UPDATE T_PHBUTTON SET F_SEQUENCENO = 2 + F_SEQUENCENO % 6 WHERE F_UID = 7");
  ASSERT_FALSE(Read());
  EXPECT_EQ(orders_[0], 2);
  EXPECT_EQ(orders_[1], 7);
  EXPECT_EQ(Queries(),
            (std::vector<std::string>{
                "select Min(a.F_SEQUENCENO) as MinDefaultOrder, Max(a.F_SEQUENCENO) as MaxDefaultOrder from T_PHBUTTON a Where a.F_UID =7",
                "select Min(a.F_SEQUENCENO) as MinDefaultOrder, Max(a.F_SEQUENCENO) as MaxDefaultOrder from T_PVBUTTON a Where a.F_UID = 7 And ( a.F_PVBUTTONID Is NULL Or a.F_PVBUTTONID = 0 )",
                "Select a.F_HBUTTONNAME As TitleName,a.F_HBUTTONID As TitleID,a.F_HBUTTONLABEL As TitleCaption_C,a.F_HBUTTONLABEL As TitleCaption_E, c.F_ISVISIBLE As TitleVisible,c.F_SEQUENCENO As TitleOrder, b.F_VBUTTONNAME As ListName,b.F_VBUTTONID As ListID,b.F_VBUTTONLABEL As ListCaption_C,b.F_VBUTTONLABEL As ListCaption_E,d.F_ISVISIBLE As ListVisible,d.F_DEFAULTVISIBLE As DefaultVisible,d.F_SEQUENCENO As ListOrder From    ( T_PHBUTTON c Inner Join SYSTBLHBUTTON a On a.F_HBUTTONID=c.F_HBUTTONID ) Left Outer Join ( ( Select * From T_PVBUTTON Where F_PVBUTTONID Is NULL Or F_PVBUTTONID=0 ) d Inner Join SYSTBLVBUTTON b On b.F_VBUTTONID=d.F_VBUTTONID ) On c.F_UID=d.F_UID and c.F_HBUTTONID=d.F_HBUTTONID Where c.F_UID = 7 Order By TitleName Asc,ListName Asc",
                "select Min(a.F_SEQUENCENO) as MinDefaultOrder, Max(a.F_SEQUENCENO) as MaxDefaultOrder from T_PVBUTTON a Where a.F_UID = 7 And a.F_PVBUTTONID > 0 ",
                "Select e.F_HBUTTONNAME As TitleName,a.F_VBUTTONNAME As ListName,a.F_VBUTTONID As ListID,a.F_VBUTTONLABEL As ListCaption_C,a.F_VBUTTONLABEL As ListCaption_E,c.F_ISVISIBLE As ListVisible,c.F_SEQUENCENO As ListOrder,b.F_VBUTTONNAME As ListSonName,b.F_VBUTTONID As ListSonID,b.F_VBUTTONLABEL As ListSonCaption_C,b.F_VBUTTONLABEL As ListSonCaption_E,d.F_ISVISIBLE As ListSonVisible,d.F_SEQUENCENO As ListSonOrder From SYSTBLVBUTTON a,SYSTBLVBUTTON b,T_PVBUTTON c,T_PVBUTTON d,SYSTBLHBUTTON e Where a.F_VBUTTONID=c.F_VBUTTONID And b.F_VBUTTONID=d.F_VBUTTONID And c.F_HBUTTONID=e.F_HBUTTONID And c.F_UID=d.F_UID And c.F_HBUTTONID=d.F_HBUTTONID And c.F_VBUTTONID=d.F_PVBUTTONID And c.F_UID=7 Order By ListName Asc,ListSonName Asc"}));
  // Only the user's own rows, first-level lists only in the title-list set.
  EXPECT_EQ(title_lists_->RecordCount(),
            db_.ServerInt("SELECT COUNT(*) FROM T_PVBUTTON WHERE F_UID = 7 AND F_PVBUTTONID = 0"));
  EXPECT_EQ(list_sons_->RecordCount(),
            db_.ServerInt("SELECT COUNT(*) FROM T_PVBUTTON WHERE F_UID = 7 AND F_PVBUTTONID > 0"));
  const std::vector<std::string> rows = RowsOf(*title_lists_);
  EXPECT_EQ(rows.front(), "Accounts|1|客户|Accounts|1|3|AccountHierarchy|7|客户层级|Account Hierarchy|1|1|7")
      << "captions are the local ones, not the server label";
  EXPECT_TRUE(ShownErrors().empty());
}

TEST_F(UserLayoutTest, MissingLevelsFailSilently) {
  EXPECT_TRUE(Read()) << "no titles";
  EXPECT_EQ(Queries().size(), 1u);

  db_.SeedServerLayout(kUser);
  db_.ExecServer("DELETE FROM T_PVBUTTON WHERE F_PVBUTTONID > 0");
  recorder_->Clear();
  EXPECT_TRUE(Read()) << "no second-level lists";
  EXPECT_EQ(Queries().size(), 4u);
  EXPECT_TRUE(ShownErrors().empty());
}

TEST_F(UserLayoutTest, TitleWithoutListsAndUncataloguedTitle) {
  db_.SeedServerLayout(kUser);
  db_.ExecServer(
      "DELETE FROM T_PVBUTTON WHERE F_HBUTTONID = 12;"
      "INSERT INTO T_PHBUTTON VALUES (7, 99, 13, 1, 0);");
  ASSERT_FALSE(Read());
  // The local names pair titles with lists, so a title without lists keeps empty captions.
  const std::vector<std::string> rows = RowsOf(*title_lists_);
  EXPECT_NE(std::find(rows.begin(), rows.end(), "Administration|12|||1|12||0|||0|0|0"), rows.end());
  EXPECT_EQ(title_lists_->RecordCount(),
            db_.ServerInt("SELECT COUNT(*) FROM T_PVBUTTON WHERE F_UID = 7 AND F_PVBUTTONID = 0") + 1)
      << "the title missing from the catalogue is left out";
}

TEST_F(UserLayoutTest, CaptionFailureIsShown) {
  db_.SeedServerLayout(kUser);
  db_.ExecLocal("ALTER TABLE BarTitle RENAME COLUMN TitleNameChinese TO Caption");
  EXPECT_TRUE(Read());
  ASSERT_EQ(ShownErrors().size(), 1u);
}

}  // namespace
}  // namespace prefdesk::columns::testing
