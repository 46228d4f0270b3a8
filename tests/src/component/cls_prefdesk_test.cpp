#include <thread>

#include "component_fixture.h"
#include "platform/automation/error.h"
#include "support/raised_number.h"
#include "support/temp_databases.h"

namespace prefdesk::component_test {
namespace {

using automation::MemberKind;
using automation::Variant;
using component::ClsPrefdesk;

using ClsPrefdeskTest = ComponentTest;

TEST_F(ClsPrefdeskTest, UserIdZeroTakesTheDataServiceUserAndRaisesWithoutOne) {
  auto prefdesk = ClsPrefdesk::Create();
  state::State().UserID = 9;
  EXPECT_EQ(test_support::RaisedNumber([&] { prefdesk->SetUserID(0); }), automation::kErrObjectRequired);
  EXPECT_EQ(state::State().UserID, 9);

  test_support::TempDatabases db(42);
  prefdesk->SetDataCenter(db.Server());
  prefdesk->SetUserID(0);
  EXPECT_EQ(state::State().UserID, 42);
  prefdesk->SetUserID(-5);
  EXPECT_EQ(state::State().UserID, -5);
  automation::Arguments zero{Variant(int16_t{0})};
  prefdesk->Invoke("UserID", MemberKind::PropertyPut, zero);
  EXPECT_EQ(state::State().UserID, 42);
}

TEST_F(ClsPrefdeskTest, CreationResetsTheOutcomeFlagAndReleaseClearsTheInstanceReference) {
  state::State().OutcomeFlag = 2;
  auto first = ClsPrefdesk::Create();
  EXPECT_EQ(state::State().OutcomeFlag, 0);
  auto second = ClsPrefdesk::Create();
  EXPECT_EQ(state::State().Instance.lock(), second);

  first->SetDefaultTitle("Sales");
  first->SetMaxHistoricalRecords(30);
  EXPECT_EQ(second->DefaultTitle(), "Sales");
  EXPECT_EQ(second->MaxHistoricalRecords(), 30);

  // Releasing the older instance releases the reference to the newer one as well.
  first.reset();
  EXPECT_TRUE(state::State().Instance.expired());
  EXPECT_EQ(second->MaxHistoricalRecords(), 30);
  second.reset();
  EXPECT_EQ(state::State().MaxHistoricalRecords, 30);  // the state outlives the instances
}

TEST_F(ClsPrefdeskTest, EachThreadHasItsOwnState) {
  auto prefdesk = ClsPrefdesk::Create();
  prefdesk->SetMaxHistoricalRecords(30);
  prefdesk->SetExpenseChargeNumber("main");
  int32_t seen_in_thread = -1;
  std::string charge_in_thread = "unset";
  bool instance_in_thread = false;
  std::thread worker([&] {
    auto other = ClsPrefdesk::Create();
    seen_in_thread = other->MaxHistoricalRecords();
    charge_in_thread = other->ExpenseChargeNumber();
    other->SetMaxHistoricalRecords(50);
    instance_in_thread = state::State().Instance.lock() == other;
  });
  worker.join();
  EXPECT_EQ(seen_in_thread, 0);
  EXPECT_EQ(charge_in_thread, "");
  EXPECT_TRUE(instance_in_thread);
  EXPECT_EQ(prefdesk->MaxHistoricalRecords(), 30);
  EXPECT_EQ(state::State().Instance.lock(), prefdesk);
}

}  // namespace
}  // namespace prefdesk::component_test
