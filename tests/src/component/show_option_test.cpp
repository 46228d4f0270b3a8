#include "component_fixture.h"

#include "platform/automation/error.h"
#include "src/columns/record_classes.h"
#include "support/raised_number.h"

namespace prefdesk::component_test {
namespace {

using component::ClsPrefdesk;
using component::E_OptionCancel;
using component::E_OptionFail;
using component::E_OptionSuccess;

using ShowOptionTest = ComponentTest;

TEST_F(ShowOptionTest, OutcomeFlagMapsToTheEventAndIsReset) {
  struct Case {
    int32_t flag;
    std::vector<int32_t> events;
  };
  const Case cases[] = {{0, {E_OptionCancel}}, {1, {E_OptionSuccess}}, {2, {E_OptionFail}}, {7, {}}};
  auto prefdesk = ClsPrefdesk::Create();
  Listen(*prefdesk);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.flag);
    events_.clear();
    script_->outcome_flag = c.flag;
    EXPECT_FALSE(prefdesk->ShowOption());
    EXPECT_EQ(events_, c.events);
    EXPECT_EQ(state::State().OutcomeFlag, 0);
    EXPECT_EQ(state::State().Dialog, nullptr);
  }
}

TEST_F(ShowOptionTest, FailedLoadUnloadsReleasesAndReturnsTrueWithoutEvent) {
  auto prefdesk = ClsPrefdesk::Create();
  Listen(*prefdesk);
  auto owner = std::make_shared<OwnerFormDouble>();
  script_->load_me_fails = true;
  state::State().OutcomeFlag = 1;
  EXPECT_TRUE(prefdesk->ShowOption(automation::Variant(automation::ObjectRef(owner))));
  EXPECT_TRUE(events_.empty());
  EXPECT_EQ(owner->pointers, (std::vector<int32_t>{11, 0}));
  EXPECT_EQ(script_->calls, (std::vector<std::string>{"Load", "LoadMe", "Unload"}));
  EXPECT_EQ(state::State().Dialog, nullptr);
  EXPECT_TRUE(last_dialog_.expired());
}

TEST_F(ShowOptionTest, OwnerWithoutMousePointerReachesTheCaller) {
  auto prefdesk = ClsPrefdesk::Create();
  auto not_a_form = std::make_shared<columns::clsTitleInfo>();
  EXPECT_EQ(test_support::RaisedNumber([&] {
              static_cast<void>(prefdesk->ShowOption(automation::Variant(automation::ObjectRef(not_a_form))));
            }),
            automation::kErrMemberNotFound);
  EXPECT_TRUE(script_->calls.empty());
}

TEST_F(ShowOptionTest, OptionIconPutsThePictureOnTheDialogThatShowOptionShows) {
  auto prefdesk = ClsPrefdesk::Create();
  auto icon = std::make_shared<ui::Picture>("prefdesk.ico");
  prefdesk->SetOptionIcon(icon);
  ASSERT_NE(state::State().Dialog, nullptr);
  EXPECT_EQ(script_->calls, std::vector<std::string>{"Load"});
  EXPECT_EQ(last_dialog_.lock()->Form()->Icon(), icon);
  // The dialog the icon was put on is the one ShowOption uses; the owner shows the hourglass
  // while it loads.
  auto owner = std::make_shared<OwnerFormDouble>();
  EXPECT_FALSE(prefdesk->ShowOption(automation::Variant(automation::ObjectRef(owner))));
  EXPECT_EQ(script_->calls, (std::vector<std::string>{"Load", "LoadMe", "ShowModal", "Unload"}));
  EXPECT_EQ(owner->pointers, (std::vector<int32_t>{11, 0}));
}

}  // namespace
}  // namespace prefdesk::component_test
