#include "src/storage/sql_literal.h"

#include <gtest/gtest.h>

#include "support/temp_databases.h"

namespace prefdesk::storage {
namespace {

TEST(SqlLiteral, TextDoublesEveryQuote) {
  EXPECT_EQ(SqlText("Default"), "'Default'");
  EXPECT_EQ(SqlText("O'Brien"), "'O''Brien'");
  EXPECT_EQ(SqlText("'"), "''''");
  EXPECT_EQ(SqlText("a''b'"), "'a''''b'''");
  EXPECT_EQ(SqlText(""), "''");
  EXPECT_EQ(SqlText("我的方案"), "'我的方案'");
}

TEST(SqlLiteral, EmptyTextBecomesNull) {
  EXPECT_EQ(SqlTextOrNull(""), "NULL");
  EXPECT_EQ(SqlTextOrNull("Q'1"), "'Q''1'");
}

TEST(SqlLiteral, QuotedTextsSurviveTheEngineUnchanged) {
  test_support::TempDatabases db;
  const std::string name = "Tom's 'quoted' scheme";
  ASSERT_EQ(db.Server()->Insert("T_PSCREENSTYLE", "F_UID,ScreenStyleName",
                                SqlInt(-3) + "," + SqlText(name)),
            1);
  EXPECT_EQ(db.ServerScalar("SELECT ScreenStyleName FROM T_PSCREENSTYLE WHERE F_UID=-3"),
            automation::Variant(name));
  EXPECT_EQ(db.Server()->Delete("T_PSCREENSTYLE", "ScreenStyleName=" + SqlText(name)), 1);
}

}  // namespace
}  // namespace prefdesk::storage
