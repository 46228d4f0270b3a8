#include "component_fixture.h"
#include "host/datacenter/statement_recorder.h"
#include "platform/columnsbar/columns_bar.h"
#include "src/resources/strings.h"
#include "support/temp_databases.h"

namespace prefdesk::component_test {
namespace {

using automation::Arguments;
using automation::MemberKind;
using automation::ObjectRef;
using automation::Variant;
using component::ClsPrefdesk;

class MemberTableTest : public ComponentTest {
 protected:
  void SetUp() override {
    ComponentTest::SetUp();
    resources::SetInterfaceLanguage(resources::kLangEnglish);
    prefdesk_->SetUserID(1);
  }
  void TearDown() override {
    resources::SetInterfaceLanguage(0);
    ComponentTest::TearDown();
  }

  test_support::TempDatabases db_{1};
  std::shared_ptr<datacenter::StatementRecorder> recorder_ =
      std::make_shared<datacenter::StatementRecorder>(db_.Server());
  std::shared_ptr<ClsPrefdesk> prefdesk_ = ClsPrefdesk::Create();
};

TEST_F(MemberTableTest, HistoryByDispatchIdFillsItsInOutArgument) {
  db_.ExecServer("INSERT INTO T_PMISC (F_UID, F_MAXHISTORY) VALUES (1, 50)");
  Arguments args{Variant(ObjectRef(recorder_)), Variant(ObjectRef(db_.Local())), Variant(int32_t{0})};
  EXPECT_EQ(prefdesk_->Invoke(0x60030029, MemberKind::Method, args), Variant(false));
  EXPECT_EQ(args[2], Variant(int32_t{50}));
  ASSERT_EQ(recorder_->Statements().size(), 1u);
  EXPECT_EQ(recorder_->Statements()[0].args[0], "Select F_MAXHISTORY From T_PMISC Where F_UID= 1");
}

TEST_F(MemberTableTest, OtherReadersFillTheirByReferenceArguments) {
  Arguments args{Variant(ObjectRef(recorder_)), Variant(ObjectRef(db_.Local())), Variant(), Variant(),
                 Variant(), Variant(), Variant()};
  EXPECT_EQ(prefdesk_->Invoke(0x60030028, MemberKind::Method, args), Variant(false));
  EXPECT_EQ(args[2], Variant(automation::TimeSerial(0, 30, 0)));
  EXPECT_EQ(args[3], Variant(automation::TimeSerial(8, 30, 0)));
  EXPECT_EQ(args[4], Variant(automation::TimeSerial(17, 30, 0)));
  EXPECT_EQ(args[5], Variant(automation::TimeSerial(0, 15, 0)));
  EXPECT_EQ(args[6], Variant(int32_t{30}));

  db_.ExecServer("INSERT INTO T_PMISC (F_UID, F_FCSLENGTH_MM, F_FCSLENGTH_YR) VALUES (1, 18, 2)");
  Arguments forecast{Variant(ObjectRef(recorder_)), Variant(int32_t{0}), Variant(int32_t{0}), Variant(int32_t{0})};
  EXPECT_EQ(prefdesk_->Invoke("GetValForecast", MemberKind::Method, forecast), Variant(false));
  EXPECT_EQ(forecast[1], Variant(int32_t{18}));
  EXPECT_EQ(forecast[2], Variant(int32_t{6}));
  EXPECT_EQ(forecast[3], Variant(int32_t{2}));

  Arguments expense{Variant(ObjectRef(recorder_)), Variant(ObjectRef(db_.Local())), Variant(""), Variant()};
  EXPECT_EQ(prefdesk_->Invoke(0x6003002b, MemberKind::Method, expense), Variant(false));
  EXPECT_EQ(expense[2], Variant("EXP-0001"));
  EXPECT_EQ(expense[3], Variant(automation::Currency::FromDouble(500)));

  Arguments comparison{Variant(ObjectRef(recorder_)), Variant(int32_t{9})};
  EXPECT_EQ(prefdesk_->Invoke(0x6003002c, MemberKind::Method, comparison), Variant(false));
  EXPECT_EQ(comparison[1], Variant(int32_t{0}));
}

TEST_F(MemberTableTest, ReadColumnsBarHandsBackANewBar) {
  db_.SeedServerLayout(1);
  Arguments args{Variant(db_.LocalConnectionString()), Variant(ObjectRef(recorder_)), Variant(ObjectRef())};
  EXPECT_EQ(prefdesk_->Invoke("ReadColumnsBar", MemberKind::Method, args), Variant(false));
  ASSERT_TRUE(args[2].IsObject());
  auto bar = std::dynamic_pointer_cast<columnsbar::ColumnsBar>(*args[2].Get<ObjectRef>());
  ASSERT_NE(bar, nullptr);
  EXPECT_GT(bar->Count(), 0);
}

}  // namespace
}  // namespace prefdesk::component_test
