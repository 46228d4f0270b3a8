// Scripting hosts reach connections and record sets through their member tables.
#include <gtest/gtest.h>

#include "platform/ado/connection.h"
#include "platform/ado/recordset.h"
#include "platform/ado/types.h"
#include "platform/automation/error.h"
#include "support/raised_number.h"
#include "test_database.h"

namespace prefdesk::ado {
namespace {

using automation::Arguments;
using automation::MemberKind;
using automation::Variant;
using testing::TestDatabase;

Variant Call(automation::Dispatch& object, const char* name, Arguments args = {}) {
  return object.Invoke(name, MemberKind::Method, args);
}

TEST(Members, ConnectionOpensExecutesAndCloses) {
  TestDatabase db("CREATE TABLE t(a INTEGER); INSERT INTO t VALUES (5), (6);");
  auto connection = Connection::Create();
  connection->PutProperty("ConnectionString", Variant(db.ConnectionString()));
  EXPECT_EQ(connection->GetProperty("connectionstring"), Variant(db.ConnectionString()));
  Call(*connection, "Open");
  EXPECT_EQ(connection->GetProperty("State"), Variant(int32_t{adStateOpen}));

  Variant result = Call(*connection, "Execute", {Variant("Select a From t Order By a")});
  ASSERT_TRUE(result.IsObject());
  auto& rs = **result.Get<automation::ObjectRef>();
  EXPECT_EQ(rs.ClassName(), "Recordset");
  EXPECT_EQ(rs.GetProperty("RecordCount"), Variant(int32_t{2}));
  Arguments by_name{Variant("A")};
  EXPECT_EQ(rs.Invoke("Fields", MemberKind::PropertyGet, by_name), Variant(int32_t{5}));
  Call(rs, "MoveNext");
  Arguments by_index{Variant(int32_t{0})};
  EXPECT_EQ(rs.Invoke("Collect", MemberKind::PropertyGet, by_index), Variant(int32_t{6}));
  Call(rs, "MoveNext");
  EXPECT_EQ(rs.GetProperty("EOF"), Variant(true));
  Call(rs, "Close");
  EXPECT_EQ(rs.GetProperty("State"), Variant(int32_t{adStateClosed}));

  Call(*connection, "Close");
  EXPECT_EQ(connection->GetProperty("State"), Variant(int32_t{adStateClosed}));
}

TEST(Members, RecordsetOpensFromPropertiesAndFilters) {
  TestDatabase db("CREATE TABLE t(name TEXT, n INTEGER); INSERT INTO t VALUES ('a', 1), ('b', 2), ('b', 3);");
  auto connection = db.Connect();
  auto rs = Recordset::Create();
  rs->PutProperty("ActiveConnection", Variant(automation::ObjectRef(connection)));
  rs->PutProperty("Source", Variant("Select * From t"));
  Call(*rs, "Open");
  EXPECT_EQ(rs->GetProperty("BOF"), Variant(false));
  rs->PutProperty("Filter", Variant("name = 'b'"));
  EXPECT_EQ(rs->GetProperty("Filter"), Variant("name = 'b'"));
  EXPECT_EQ(rs->GetProperty("RecordCount"), Variant(int32_t{2}));
  rs->PutProperty("AbsolutePosition", Variant(int32_t{2}));
  Arguments field{Variant("n")};
  EXPECT_EQ(rs->Invoke("Fields", MemberKind::PropertyGet, field), Variant(int32_t{3}));
  rs->PutProperty("Filter", Variant(int32_t{0}));  // adFilterNone
  EXPECT_EQ(rs->GetProperty("RecordCount"), Variant(int32_t{3}));
  auto other = Recordset::Create();
  EXPECT_EQ(test_support::RaisedNumber([&] { rs->PutProperty("ActiveConnection", Variant(automation::ObjectRef(other))); }),
            automation::kErrTypeMismatch);
}

}  // namespace
}  // namespace prefdesk::ado
