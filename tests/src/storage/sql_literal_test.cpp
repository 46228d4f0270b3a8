#include "src/storage/sql_literal.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace prefdesk::storage
