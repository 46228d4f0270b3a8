#include "platform/ado/recordset.h"

#include <gtest/gtest.h>

#include "platform/ado/connection.h"
#include "platform/ado/types.h"
#include "platform/automation/error.h"
#include "test_database.h"
#include "support/raised_number.h"

namespace prefdesk::ado {
namespace {

using automation::AutomationError;
using automation::Variant;
using testing::TestDatabase;

// A disconnected set the way the layout code builds one.
std::shared_ptr<Recordset> NewLayoutSet() {
  auto rs = Recordset::Create();
  rs->GetFields().Append("TitleName", adBSTR, 0, -1);
  rs->GetFields().Append("TitleOrder", adInteger, 0, -1);
  rs->GetFields().Append("TitleVisible", adBoolean, 0, -1);
  rs->Open("", nullptr, -1, -1, -1);
  return rs;
}

TEST(DisconnectedSet, StartsEmptyThenHoldsAddedRowsInOrder) {
  auto rs = NewLayoutSet();
  EXPECT_EQ(rs->State(), adStateOpen);
  EXPECT_TRUE(rs->IsEOF());
  EXPECT_TRUE(rs->IsBOF());
  EXPECT_EQ(rs->RecordCount(), 0);

  for (int i = 1; i <= 3; ++i) {
    rs->AddNew();
    EXPECT_TRUE(rs->Collect("TitleName").IsNull());  // a new row starts null
    rs->GetFields().Item("titlename").SetValue(Variant("T" + std::to_string(i)));
    rs->SetCollect("TitleOrder", Variant(int32_t{i}));
    rs->Update();
    EXPECT_EQ(rs->AbsolutePosition(), i);  // the new row is current
  }
  EXPECT_EQ(rs->RecordCount(), 3);
  rs->MoveFirst();
  std::vector<std::string> names;
  for (; !rs->IsEOF(); rs->MoveNext()) names.push_back(*(*rs)["TitleName"].Get<std::string>());
  EXPECT_EQ(names, (std::vector<std::string>{"T1", "T2", "T3"}));
  EXPECT_FALSE(rs->IsBOF());
  EXPECT_EQ(test_support::RaisedNumber([&] { rs->MoveNext(); }), kErrNoCurrentRecord);
  EXPECT_EQ(test_support::RaisedNumber([&] { (void)(*rs)["TitleName"]; }), kErrNoCurrentRecord);
}

TEST(DisconnectedSet, TypedFieldsCoerceWhatTheyAreGivenAndKeepNull) {
  auto rs = NewLayoutSet();
  rs->AddNew();
  rs->SetCollect("TitleName", Variant(int32_t{42}));
  rs->SetCollect("TitleOrder", Variant("7"));
  rs->SetCollect("TitleVisible", Variant(int32_t{-1}));
  EXPECT_EQ((*rs)["TitleName"], Variant("42"));
  EXPECT_EQ((*rs)["TitleOrder"], Variant(int32_t{7}));
  EXPECT_EQ((*rs)["TitleVisible"], Variant(true));
  rs->SetCollect("TitleOrder", Variant());
  rs->SetCollect("TitleName", Variant::Null());
  EXPECT_TRUE((*rs)["TitleOrder"].IsNull());
  EXPECT_TRUE((*rs)["TitleName"].IsNull());
  EXPECT_EQ(test_support::RaisedNumber([&] { rs->SetCollect("TitleOrder", Variant("seven")); }),
            automation::kErrTypeMismatch);
}

TEST(Recordset, OpensFromPropertiesSetBeforeAndFromATableByName) {
  TestDatabase db(
      "CREATE TABLE DefaultScreenStyle(Name TEXT, Size INTEGER);"
      "INSERT INTO DefaultScreenStyle VALUES ('Classic', 9), ('Large', 12);");
  auto connection = db.Connect();

  auto rs = Recordset::Create();
  rs->SetActiveConnection(connection);
  rs->SetSource("Select Name From DefaultScreenStyle Where Size > 10");
  rs->SetLockType(adLockReadOnly);
  rs->SetCursorType(adOpenStatic);
  rs->SetCursorLocation(adUseClient);
  rs->Open("", nullptr, -1, -1, -1);
  ASSERT_EQ(rs->RecordCount(), 1);
  EXPECT_EQ((*rs)["Name"], Variant("Large"));
  EXPECT_EQ(test_support::RaisedNumber([&] { rs->Open(); }), kErrObjectOpen);
  rs->Close();
  EXPECT_EQ(rs->GetFields().Count(), 0);

  auto table = Recordset::Create();
  table->SetActiveConnection(connection);
  table->Open("DefaultScreenStyle", nullptr, -1, -1, adCmdTable);
  EXPECT_EQ(table->RecordCount(), 2);
  EXPECT_EQ(table->GetFields().Count(), 2);
}

}  // namespace
}  // namespace prefdesk::ado
