// Values read from SQLite take the type of their column's declaration.
#include <gtest/gtest.h>

#include "platform/ado/connection.h"
#include "platform/ado/recordset.h"
#include "platform/ado/types.h"
#include "platform/automation/conversions.h"
#include "test_database.h"

namespace prefdesk::ado {
namespace {

using automation::Variant;
using automation::VarType;
using testing::TestDatabase;

constexpr const char* kSchema = R"(
CREATE TABLE typed(
  i INTEGER, s SMALLINT, l LONG, b BOOLEAN, y YESNO, r REAL, d DOUBLE, c CURRENCY,
  dt DATETIME, t TEXT, v VARCHAR(50), n NVARCHAR(20));
INSERT INTO typed VALUES (7, 2, 5000000000, 1, 0, 2.5, 3, 12.3456,
  '08:30:00', 'text', 'varchar', 'nvarchar');
INSERT INTO typed VALUES (NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);
CREATE TABLE times(dt DATETIME);
INSERT INTO times VALUES ('8:30'), ('2026-12-05'), ('2026-12-05 08:30:15'), (45000.5), ('not a date');
)";

TEST(Typing, StoredValuesBecomeVariantsOfTheColumnType) {
  TestDatabase db(kSchema);
  auto rs = db.Connect()->Execute("Select * From typed");
  const Recordset& row = *rs;
  EXPECT_EQ(row["i"], Variant(int32_t{7}));
  EXPECT_EQ(row["l"], Variant(5000000000.0));  // wider than 32 bits
  EXPECT_EQ(row["b"], Variant(true));
  EXPECT_EQ(row["y"], Variant(false));
  EXPECT_EQ(row["r"], Variant(2.5));
  EXPECT_EQ(row["d"], Variant(3.0));
  EXPECT_EQ(row["c"], Variant(automation::Currency{123456}));
  EXPECT_EQ(row["dt"], Variant(automation::TimeSerial(8, 30, 0)));
  EXPECT_EQ(row["v"], Variant("varchar"));
  rs->MoveNext();
  for (int i = 0; i < rs->GetFields().Count(); ++i) {
    EXPECT_TRUE(rs->GetFields().Item(i).Value().IsNull()) << i;
  }
}

TEST(Typing, DateColumnsReadTimesDatesAndSerials) {
  TestDatabase db(kSchema);
  auto rs = db.Connect()->Execute("Select dt From times");
  std::vector<Variant> values;
  for (; !rs->IsEOF(); rs->MoveNext()) values.push_back((*rs)["dt"]);
  ASSERT_EQ(values.size(), 5u);
  EXPECT_EQ(values[0], Variant(automation::TimeSerial(8, 30, 0)));
  EXPECT_EQ(values[1], Variant(automation::DateFromParts(2026, 12, 5, 0, 0, 0)));
  EXPECT_EQ(values[2], Variant(automation::DateFromParts(2026, 12, 5, 8, 30, 15)));
  EXPECT_EQ(values[3], Variant(automation::Date{45000.5}));
  EXPECT_EQ(values[4], Variant("not a date"));  // kept, not lost
}

}  // namespace
}  // namespace prefdesk::ado
