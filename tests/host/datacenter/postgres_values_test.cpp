#include "host/datacenter/postgres_values.h"

#include <gtest/gtest.h>

#include "host/datacenter/postgres_errors.h"
#include "platform/ado/types.h"
#include "platform/automation/conversions.h"

namespace prefdesk::datacenter {
namespace {

using automation::Variant;
using automation::VarType;
namespace oid = pg_oid;

// numeric(p,s) as the server reports it in the column's type modifier.
int NumericModifier(int precision, int scale) { return ((precision << 16) | scale) + 4; }

TEST(PostgresFieldTypes, FollowTheColumnTypeAndModifier) {
  struct Case {
    unsigned type;
    int modifier;
    int ado_type;
    int size;
  } cases[] = {
      {oid::kInt2, -1, ado::adInteger, 0},     {oid::kInt4, -1, ado::adInteger, 0},
      {oid::kInt8, -1, ado::adInteger, 0},     {oid::kBool, -1, ado::adBoolean, 0},
      {oid::kFloat4, -1, ado::adDouble, 0},    {oid::kFloat8, -1, ado::adDouble, 0},
      {oid::kNumeric, -1, ado::adDouble, 0},   {oid::kNumeric, NumericModifier(10, 2), ado::adDouble, 0},
      {oid::kNumeric, NumericModifier(19, 4), ado::adCurrency, 0},
      {oid::kNumeric, NumericModifier(19, 2), ado::adDouble, 0},
      {oid::kMoney, -1, ado::adCurrency, 0},   {oid::kTime, -1, ado::adDate, 0},
      {oid::kTimestamp, -1, ado::adDate, 0},   {oid::kDate, -1, ado::adDate, 0},
      {oid::kVarchar, 54, ado::adVarWChar, 50}, {oid::kVarchar, -1, ado::adVarWChar, 0},
      {oid::kBpchar, 5, ado::adVarWChar, 1},   {oid::kText, -1, ado::adVarWChar, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "oid " << c.type << " modifier " << c.modifier);
    const ado::FieldDefinition field = FieldFromPg("F_X", c.type, c.modifier);
    EXPECT_EQ(field.type, c.ado_type);
    EXPECT_EQ(field.defined_size, c.size);
  }
}

TEST(PostgresFieldValues, ReadTheServersTextForms) {
  const auto integer = FieldFromPg("n", oid::kInt8, -1);
  EXPECT_EQ(ValueFromPg(integer, "-2147483648"), Variant(int32_t{-2147483647 - 1}));
  EXPECT_EQ(ValueFromPg(integer, "4294967296").Type(), VarType::Double) << "too wide for Long";
  EXPECT_EQ(ValueFromPg(FieldFromPg("b", oid::kBool, -1), "t"), Variant(true));
  EXPECT_EQ(ValueFromPg(FieldFromPg("b", oid::kBool, -1), "f"), Variant(false));
  EXPECT_EQ(ValueFromPg(FieldFromPg("d", oid::kFloat8, -1), "-1.5e-3"), Variant(-0.0015));

  const auto currency = FieldFromPg("c", oid::kNumeric, NumericModifier(19, 4));
  EXPECT_EQ(ValueFromPg(currency, "-12.3400"), Variant(automation::Currency{-123400}));
  const auto money = FieldFromPg("m", oid::kMoney, -1);
  EXPECT_EQ(ValueFromPg(money, "$1,234.50"), Variant(automation::Currency{12345000}));
  EXPECT_EQ(ValueFromPg(money, "-$0.25"), Variant(automation::Currency{-2500}));
  EXPECT_EQ(ValueFromPg(money, "($7.00)"), Variant(automation::Currency{-70000}));

  const auto time = FieldFromPg("t", oid::kTime, -1);
  EXPECT_EQ(ValueFromPg(time, "08:30:00"), Variant(automation::TimeSerial(8, 30, 0)));
  EXPECT_EQ(ValueFromPg(time, "08:30:00.75"), Variant(automation::TimeSerial(8, 30, 0)));
  EXPECT_EQ(ValueFromPg(FieldFromPg("z", oid::kTimeTz, -1), "23:59:59+05:30"),
            Variant(automation::TimeSerial(23, 59, 59)));
  const Variant stamp = ValueFromPg(FieldFromPg("s", oid::kTimestamp, -1), "2026-12-05 21:10:30");
  EXPECT_EQ(stamp, Variant(automation::CDate(Variant("2026-12-05 21:10:30"))));
}

TEST(PostgresErrors, KindFollowsStateConnectionAndCommit) {
  EXPECT_EQ(ClassifyPgError("42P01", true, false), PgErrorKind::kStatement);
  EXPECT_EQ(ClassifyPgError("23505", true, true), PgErrorKind::kStatement);
  EXPECT_EQ(ClassifyPgError("40001", true, false), PgErrorKind::kRetryable);
  EXPECT_EQ(ClassifyPgError("40P01", true, true), PgErrorKind::kRetryable);
  EXPECT_EQ(ClassifyPgError("42501", true, false), PgErrorKind::kDenied);
  EXPECT_EQ(ClassifyPgError("", false, false), PgErrorKind::kBrokenConnection);
  EXPECT_EQ(ClassifyPgError("08006", true, false), PgErrorKind::kBrokenConnection);
  EXPECT_EQ(ClassifyPgError("57P01", true, false), PgErrorKind::kBrokenConnection);
  EXPECT_EQ(ClassifyPgError("", false, true), PgErrorKind::kInDoubt);
  EXPECT_EQ(ClassifyPgError("57P01", true, true), PgErrorKind::kInDoubt);
  EXPECT_EQ(ClassifyPgError("40001", false, true), PgErrorKind::kInDoubt)
      << "a lost connection outweighs the state";
}

TEST(PostgresErrors, DescriptionCarriesStateMessageAndMeaning) {
  EXPECT_EQ(DescribePgError(PgErrorKind::kStatement, "42P01",
                            "relation \"t_x\" does not exist\n"),
            "SQLSTATE 42P01: relation \"t_x\" does not exist");
  const std::string doubt = DescribePgError(PgErrorKind::kInDoubt, "", "server closed the connection");
  EXPECT_NE(doubt.find("unknown"), std::string::npos);
  EXPECT_NE(doubt.find("server closed the connection"), std::string::npos);
  EXPECT_EQ(doubt.find("SQLSTATE"), std::string::npos);
  EXPECT_NE(DescribePgError(PgErrorKind::kRetryable, "40P01", "deadlock detected").find("run again"),
            std::string::npos);
}

}  // namespace
}  // namespace prefdesk::datacenter
