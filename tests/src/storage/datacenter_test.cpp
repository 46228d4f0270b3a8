#include "src/storage/datacenter.h"

#include <gtest/gtest.h>

#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#include "support/temp_databases.h"

namespace prefdesk::storage {
namespace {

using automation::Arguments;
using automation::MemberKind;
using automation::Variant;

TEST(DataCenterContract, MembersByNameReachTheService) {
  test_support::TempDatabases db(7);
  DataCenter& dc = *db.Server();

  Arguments insert{Variant("T_PQUERY"), Variant("F_QUERYID,F_UID,F_HBUTTONID,F_QUERYNAME"),
                   Variant("'Q1', 7, 1, 'Mine'")};
  EXPECT_EQ(dc.Invoke("insert", MemberKind::Method, insert), Variant(int32_t{1}));

  Arguments open{Variant(), Variant("Select F_QUERYNAME From T_PQUERY Where F_UID=7")};
  EXPECT_EQ(dc.Invoke("OpenRecordsetByString", MemberKind::Method, open), Variant(int32_t{1}));
  ASSERT_TRUE(open[0].IsObject());
  auto rs = std::dynamic_pointer_cast<ado::Recordset>(*open[0].Get<automation::ObjectRef>());
  ASSERT_TRUE(rs);
  EXPECT_EQ(automation::CStr((*rs)["F_QUERYNAME"]), "Mine");

  Arguments none;
  EXPECT_EQ(automation::CLng(automation::GetProperty(dc.GetProperty("myinfo"), "uid")), 7);
  EXPECT_FALSE(automation::CBool(dc.GetProperty("InTransaction")));
  dc.Invoke("BeginTrans", MemberKind::Method, none);
  EXPECT_TRUE(automation::CBool(dc.GetProperty("InTransaction")));
  dc.Invoke("RollbackTrans", MemberKind::Method, none);
  EXPECT_FALSE(dc.InTransaction());
}

TEST(DataCenterContract, ErrInfoByNameCarriesTheLastFailure) {
  test_support::TempDatabases db(1, test_support::ServerBackend::kSqlite);
  DataCenter& dc = *db.Server();
  Arguments del{Variant("T_NOSUCHTABLE"), Variant("F_UID=1")};
  EXPECT_LT(automation::CLng(dc.Invoke("Delete", MemberKind::Method, del)), 0);

  const Variant info = dc.GetProperty("ErrInfo");
  EXPECT_EQ(automation::CLng(automation::GetProperty(info, "Number")), dc.GetErrInfo().Number);
  EXPECT_EQ(automation::CStr(automation::GetProperty(info, "Source")), "SqliteDataCenter.Delete");
  EXPECT_NE(automation::CStr(automation::GetProperty(info, "Description")).find("T_NOSUCHTABLE"),
            std::string::npos);
}

TEST(DataCenterContract, RequireRaises91OnAMissingService) {
  try {
    Require(nullptr);
    FAIL() << "no error raised";
  } catch (const automation::AutomationError& e) {
    EXPECT_EQ(e.Number(), automation::kErrObjectRequired);
  }
  test_support::TempDatabases db;
  DataCenterRef dc = db.Server();
  EXPECT_EQ(&Require(dc), dc.get());
}

TEST(DataCenterContract, RaiseDataCenterErrorRaisesErrInfo) {
  test_support::TempDatabases db(1, test_support::ServerBackend::kSqlite);
  std::shared_ptr<ado::Recordset> rs;
  ASSERT_LT(db.Server()->OpenRecordsetByString(rs, "Select Nothing From Nowhere"), 0);
  const ErrInfo info = db.Server()->GetErrInfo();
  try {
    RaiseDataCenterError(*db.Server());
    FAIL() << "no error raised";
  } catch (const automation::AutomationError& e) {
    EXPECT_EQ(e.Number(), info.Number);
    EXPECT_EQ(e.Source(), "SqliteDataCenter.OpenRecordsetByString");
    EXPECT_EQ(e.Description(), info.Description);
  }
}

}  // namespace
}  // namespace prefdesk::storage
