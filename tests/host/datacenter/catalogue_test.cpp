// The factory catalogue in both databases: sizes, bilingual captions, orders, default lists,
// and the value forms the data layer reads.
#include <gtest/gtest.h>

#include <set>

#include "platform/ado/recordset.h"
#include "platform/automation/conversions.h"
#include "support/temp_databases.h"

namespace prefdesk::datacenter {
namespace {

using test_support::Rows;

class Catalogue : public ::testing::Test {
 protected:
  test_support::TempDatabases db_;
};

TEST_F(Catalogue, NamesAreUniqueWithoutBlanksAndCaptionsBilingual) {
  for (const char* sql :
       {"SELECT TitleName, TitleNameChinese, TitleNameEnglish FROM BarTitle",
        "SELECT ListName, ListNameChinese, ListNameEnglish FROM BarList"}) {
    SCOPED_TRACE(sql);
    std::set<std::string> names;
    for (const auto& row : db_.LocalRows(sql)) {
      EXPECT_TRUE(names.insert(row[0]).second) << row[0];
      EXPECT_EQ(row[0].find(' '), std::string::npos) << row[0];
      EXPECT_FALSE(row[1].empty() || row[1] == "NULL") << row[0];
      EXPECT_FALSE(row[2].empty() || row[2] == "NULL") << row[0];
      EXPECT_TRUE(std::any_of(row[1].begin(), row[1].end(),
                              [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
          << row[0] << " has no Chinese caption";
    }
  }
}

// Orders count from one at every level; every title has a startable default list of its own.
TEST_F(Catalogue, OrdersCountFromOneAndEveryTitleHasAStartableDefaultList) {
  EXPECT_EQ(db_.LocalRows("SELECT MIN(DefaultOrder), MAX(DefaultOrder), COUNT(DISTINCT "
                          "DefaultOrder) FROM BarTitle"),
            (Rows{{"1", "12", "12"}}));
  EXPECT_EQ(db_.LocalInt("SELECT COUNT(*) FROM (SELECT TitleID, ParentID FROM BarList "
                         "GROUP BY TitleID, ParentID HAVING MIN(DefaultOrder) <> 1 OR "
                         "MAX(DefaultOrder) <> COUNT(*) OR COUNT(DISTINCT DefaultOrder) <> COUNT(*))"),
            0);
  EXPECT_EQ(db_.LocalInt("SELECT COUNT(*) FROM BarTitle t JOIN BarList l ON l.ListName = "
                         "t.DefaultList AND l.TitleID = t.TitleID AND l.ParentID = 0 AND "
                         "l.CanStatrup = 1"),
            12);
  EXPECT_GT(db_.LocalInt("SELECT COUNT(*) FROM BarList WHERE CanStatrup = 1"), 12);
  EXPECT_GE(db_.LocalInt("SELECT COUNT(*) FROM BarList WHERE DefaultVisible = 0"), 3);
  EXPECT_EQ(db_.LocalRows("SELECT t.TitleName, l.ParentID FROM BarList l JOIN BarTitle t ON "
                          "t.TitleID = l.TitleID WHERE l.ListName = 'HotelExpenses'"),
            (Rows{{"Expenses", "0"}}));
}

TEST_F(Catalogue, ViewNamesTheParentOfSecondLevelListsOnly) {
  EXPECT_EQ(db_.LocalInt("SELECT COUNT(*) FROM ViewBarList"),
            db_.LocalInt("SELECT COUNT(*) FROM BarList"));
  EXPECT_EQ(db_.LocalInt("SELECT COUNT(*) FROM ViewBarList WHERE ParentName IS NULL"),
            db_.LocalInt("SELECT COUNT(*) FROM BarList WHERE ParentID = 0"));
  EXPECT_EQ(db_.LocalRows("SELECT TitleName, ParentName FROM ViewBarList WHERE ListName = 'AirFares'"),
            (Rows{{"Expenses", "TravelExpenses"}}));
}

TEST_F(Catalogue, ServerCatalogueMatchesTheLocalOne) {
  EXPECT_EQ(db_.ServerRows("SELECT F_HBUTTONID, F_HBUTTONNAME, F_HBUTTONLABEL, F_SEQUENCENO "
                           "FROM SYSTBLHBUTTON ORDER BY F_HBUTTONID"),
            db_.LocalRows("SELECT TitleID, TitleName, TitleNameEnglish, DefaultOrder FROM "
                          "BarTitle ORDER BY TitleID"));
  EXPECT_EQ(db_.ServerRows("SELECT F_VBUTTONID, F_HBUTTONID, F_VBUTTONNAME, F_VBUTTONLABEL, "
                           "COALESCE(F_PVBUTTONID, 0) FROM SYSTBLVBUTTON ORDER BY F_VBUTTONID"),
            db_.LocalRows("SELECT ListID, TitleID, ListName, ListNameEnglish, ParentID FROM "
                          "BarList ORDER BY ListID"));
  for (const char* table : {"T_PMISC", "T_PSCREENSTYLE", "T_PHBUTTON", "T_PVBUTTON", "T_PQUERY"}) {
    EXPECT_EQ(db_.ServerInt(std::string("SELECT COUNT(*) FROM ") + table), 0) << table;
  }
}

}  // namespace
}  // namespace prefdesk::datacenter
