#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "platform/automation/error.h"
#include "platform/ui/headless_driver.h"
#include "platform/ui/toolkit.h"
#include "src/resources/strings.h"
#include "src/storage/frm_show_err.h"
#include "src/storage/frm_show_infor.h"
#include "src/storage/show_err.h"

namespace prefdesk::storage {
namespace {

// What one error window showed while its script ran.
struct Seen {
  std::string caption;
  std::string title;
  std::string description;
  std::string ok_caption;
};

class ShowErrTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resources::SetInterfaceLanguage(resources::kLangEnglish);
    for (const char* name : {"FrmShowErr", "FrmShowInfor"}) {
      driver_.SetScript(name, [this](ui::Window& w) {
        auto& form = dynamic_cast<MessageWindow&>(w);
        Seen seen{form.Caption(), "", form.Txt_ErrDescription().Text(), form.CmdOk().Caption()};
        if (auto* err = dynamic_cast<FrmShowErr*>(&w)) seen.title = err->Txt_Title().Text();
        seen_.push_back(seen);
        EXPECT_TRUE(form.CmdOk().UserClick());
      });
    }
  }
  void TearDown() override { resources::SetInterfaceLanguage(0); }

  ui::HeadlessDriver& driver_ = ui::Toolkit::Current().UseHeadless();
  std::vector<Seen> seen_;
};

TEST_F(ShowErrTest, ComponentNumbersShowAsTheirOffset) {
  int32_t number = kErrRecordNotFound;
  ShowErr("GetDefValsCalendar", number, "Specified record can not be found!");
  EXPECT_EQ(number, 2);
  ASSERT_EQ(seen_.size(), 1u);
  EXPECT_EQ(seen_[0].caption, "GetDefValsCalendar");
  EXPECT_EQ(seen_[0].title, "Error:2");
  EXPECT_EQ(seen_[0].description, "Specified record can not be found!");
  EXPECT_EQ(seen_[0].ok_caption, "OK");
  EXPECT_EQ(driver_.Beeps(), 1);
  EXPECT_FALSE(FrmShowErr::HasInstance());
  ASSERT_EQ(driver_.ModalWindows().size(), 1u);
  EXPECT_EQ(driver_.ModalWindows()[0].window_name, "FrmShowErr");
}

TEST_F(ShowErrTest, OtherNumbersShowAsTheyCame) {
  const int32_t cases[] = {-1, 91, static_cast<int32_t>(0x80040000u), static_cast<int32_t>(0x8004FFFFu), INT32_MIN,
                           INT32_MAX};
  for (int32_t original : cases) {
    int32_t number = original;
    ShowErr("tagGetSvrValStartup", number, "layout out of order");
    EXPECT_EQ(number, original);
    EXPECT_EQ(seen_.back().title, "Error:" + std::to_string(original));
  }
  int32_t last_own = static_cast<int32_t>(0x8004FFFEu);
  ShowErr("LoadUserScheme", last_own, "x");
  EXPECT_EQ(last_own, 65534);
  EXPECT_EQ(seen_.size(), 7u);
}

TEST_F(ShowErrTest, NumberZeroOpensInformationWindowUnlessDescriptionIsEmpty) {
  int32_t number = 0;
  ShowErr("Error:", number, "Please enter an integer which large than zero !");
  ASSERT_EQ(seen_.size(), 1u);
  EXPECT_EQ(seen_[0].caption, "Error:");
  EXPECT_EQ(seen_[0].description, "Please enter an integer which large than zero !");
  EXPECT_EQ(driver_.ModalWindows()[0].window_name, "FrmShowInfor");
  EXPECT_FALSE(FrmShowInfor::HasInstance());

  ShowErr("Nothing", number, "");
  EXPECT_EQ(seen_.size(), 1u);
  EXPECT_EQ(driver_.Journal().size(), 1u);
  EXPECT_FALSE(FrmShowInfor::HasInstance());
}

TEST_F(ShowErrTest, ReportsWhileTheWindowIsOpenJoinTheOpenWindow) {
  std::string description;
  std::string caption;
  driver_.SetScript("FrmShowErr", [&](ui::Window& w) {
    int32_t second = 91;
    ShowErr("SaveValsStartupToSvr", second, "Object variable not set");
    auto& form = dynamic_cast<FrmShowErr&>(w);
    description = form.Txt_ErrDescription().Text();
    caption = form.Caption() + " / " + form.Txt_Title().Text();
    form.CmdOk().UserClick();
  });
  int32_t first = kErrInvalidValue;
  ShowErr("GetDefValExpenseReport", first, "Some field value is invalid");
  EXPECT_EQ(description, "Some field value is invalid\r\nObject variable not set");
  EXPECT_EQ(caption, "SaveValsStartupToSvr / Error:91");
  EXPECT_EQ(driver_.ModalWindows().size(), 1u);
  EXPECT_EQ(driver_.Beeps(), 1);
}

TEST_F(ShowErrTest, ChineseCaptions) {
  resources::SetInterfaceLanguage(resources::kLangChinese);
  int32_t number = kErrInvalidValue;
  ShowErr("GetDefValMaxHistoryRecords", number, "字段值非法");
  ASSERT_EQ(seen_.size(), 1u);
  EXPECT_EQ(seen_[0].title, "错误： 1");
  EXPECT_EQ(seen_[0].ok_caption, "确定");
}

TEST_F(ShowErrTest, FailuresInsideTheReportAreSwallowed) {
  driver_.SetScript("FrmShowErr", [](ui::Window&) { automation::Raise(5, "script", "broken"); });
  const automation::AutomationError error(-1, "LoadTitleLists", "missing");
  EXPECT_NO_THROW(ShowErr(error));
  EXPECT_FALSE(FrmShowErr::HasInstance());
  EXPECT_EQ(driver_.ModalWindows().size(), 1u);
  EXPECT_EQ(driver_.ModalWindows()[0].text_boxes.size(), 2u);
}

}  // namespace
}  // namespace prefdesk::storage
