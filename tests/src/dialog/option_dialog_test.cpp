// The options dialog end to end through ShowOption: load, the Startup and Default Query tabs
// as a person uses them, OK with its check, Cancel, and what reaches the server.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "option_dialog_fixture.h"
#include "platform/automation/variant.h"
#include "platform/ui/check_list_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/simple_controls.h"
#include "platform/ui/text_box.h"
#include "src/component/create_prefdesk.h"
#include "src/component/enumerations.h"
#include "src/state/shared_state.h"
#include "src/resources/strings.h"

namespace prefdesk::dialog::testing {
namespace {

using Strings = std::vector<std::string>;
using component::E_OptionSuccess;

const std::string kSuffix = "正在保存...        ";

class OptionDialogFlowTest : public OptionDialogTest {
 protected:
  void InsertQueries() {
    db_.ExecServer(
        "INSERT INTO T_PQUERY (F_QUERYID, F_UID, F_HBUTTONID, F_QUERYNAME) VALUES "
        "('Q1', 7, 1, 'Big deals'), ('Q2', 7, 1, 'This week'), ('Q3', 7, 2, 'Buyers'), "
        "('Q9', 8, 1, 'Someone else''s')");
  }

  // A new user starts with Contacts, its list My Contacts, and the query This week on All
  // Accounts.
  std::vector<int32_t> SaveFirstChoices() {
    return ShowOption([&](FrmOption& form) {
      Pick(form.Get<ui::ComboBox>("cboStartup"), "Contacts");
      Pick(form.Get<ui::ComboBox>("cboStartupScreen"), "Contacts");
      Pick(form.Get<ui::ComboBox>("cboDefaultStartup"), "My Contacts");
      Pick(form.Get<ui::ComboBox>("cboQueryScreen"), "Accounts - All Accounts");
      Pick(form.Get<ui::ComboBox>("cboDefaultQuery"), "This week");
      EXPECT_TRUE(form.Get<ui::CommandButton>("CmdOk").UserClick());
    });
  }
};

TEST_F(OptionDialogFlowTest, NewUserChoosesStartupAndDefaultQueryAndSaves) {
  InsertQueries();
  bool failed = true;
  const auto events = ShowOption(
      [&](FrmOption& form) {
        auto& startup = form.Get<ui::ComboBox>("cboStartup");
        EXPECT_EQ(startup.Text(), "<None>");
        EXPECT_EQ(startup.ListCount(), 13);
        Pick(startup, "Contacts");

        auto& screen = form.Get<ui::ComboBox>("cboStartupScreen");
        auto& default_list = form.Get<ui::ComboBox>("cboDefaultStartup");
        Pick(screen, "Contacts");
        EXPECT_EQ(Items(default_list), (Strings{"All Contacts", "My Contacts"}));
        EXPECT_EQ(default_list.Text(), "All Contacts");
        Pick(default_list, "My Contacts");

        auto& query_screen = form.Get<ui::ComboBox>("cboQueryScreen");
        auto& query = form.Get<ui::ComboBox>("cboDefaultQuery");
        Pick(query_screen, "Accounts - All Accounts");
        EXPECT_EQ(Items(query), (Strings{"", "Big deals", "This week"}));
        EXPECT_EQ(query.Text(), "");
        Pick(query, "This week");
        Pick(query_screen, "Contacts - All Contacts");
        EXPECT_EQ(Items(query), (Strings{"", "Buyers"}));

        EXPECT_TRUE(form.Get<ui::CommandButton>("CmdOk").UserClick());
      },
      &failed);

  EXPECT_FALSE(failed);
  EXPECT_EQ(events, (std::vector<int32_t>{E_OptionSuccess}));
  EXPECT_EQ(state::State().OutcomeFlag, 0);
  ASSERT_EQ(MessageBoxes().size(), 1u);
  EXPECT_EQ(MessageBoxes()[0].prompt, resources::LoadResString(2200));
  EXPECT_EQ(MessageBoxes()[0].style, 64);
  EXPECT_EQ(MessageBoxes()[0].title, "ColumnSet");
  EXPECT_TRUE(ErrorWindows().empty());
  EXPECT_FALSE(IsOpen("frmOption"));
  EXPECT_FALSE(IsOpen("frmSaveProgress"));

  // The layout came from the local defaults: the bar runs to 366 and never past it.
  ASSERT_FALSE(driver_->samples.empty());
  for (const ProgressSample& sample : driver_->samples) {
    EXPECT_EQ(sample.max, 366);
    EXPECT_LE(sample.value, 366);
  }
  EXPECT_EQ(driver_->samples.back().label, "Default Query" + kSuffix);
  EXPECT_EQ(driver_->samples.back().caption, "Progress:");

  EXPECT_EQ(db_.ServerInt("SELECT COUNT(*) FROM T_PHBUTTON WHERE F_UID=7"), 12);
  EXPECT_EQ(db_.ServerRows("SELECT F_HBUTTONID FROM T_PHBUTTON WHERE F_UID=7 AND F_ISPRIMARY=1"),
            (test_support::Rows{{"2"}}));
  EXPECT_EQ(db_.ServerRows("SELECT F_VBUTTONID FROM T_PVBUTTON "
                           "WHERE F_UID=7 AND F_HBUTTONID=2 AND F_ISPRIMARY=1"),
            (test_support::Rows{{"29"}}));
  EXPECT_EQ(db_.ServerRows("SELECT F_VBUTTONID, F_DEFQUERYID FROM T_PVBUTTON "
                           "WHERE F_UID=7 AND F_DEFQUERYID IS NOT NULL"),
            (test_support::Rows{{"1", "Q2"}}));
  // Every other title keeps its factory default list as its primary list.
  EXPECT_EQ(db_.ServerRows("SELECT F_VBUTTONID FROM T_PVBUTTON "
                           "WHERE F_UID=7 AND F_HBUTTONID=1 AND F_ISPRIMARY=1"),
            (test_support::Rows{{"1"}}));
}

TEST_F(OptionDialogFlowTest, AnUnchangedOkAfterASaveWritesNoColumnRows) {
  InsertQueries();
  ASSERT_EQ(SaveFirstChoices(), (std::vector<int32_t>{E_OptionSuccess}));
  const test_support::Rows saved = db_.ServerLayout(kUser);
  recorder_->Clear();
  driver_->samples.clear();

  const auto events = ShowOption([&](FrmOption& form) {
    EXPECT_TRUE(form.Get<ui::CommandButton>("CmdOk").UserClick());
  });

  EXPECT_EQ(events, (std::vector<int32_t>{E_OptionSuccess}));
  for (const std::string& write : Writes()) {
    EXPECT_EQ(write.rfind("Update|", 0), 0u) << write;
  }
  EXPECT_EQ(db_.ServerLayout(kUser), saved);
  // No layout record was written: the bar jumps to Max - 4, then one step per later part.
  ASSERT_EQ(driver_->samples.size(), 2u);
  EXPECT_EQ(driver_->samples[0].max, 195);
  EXPECT_EQ(driver_->samples[0].value, 192);
  EXPECT_EQ(driver_->samples[0].label, "Default Start-up" + kSuffix);
  EXPECT_EQ(driver_->samples[1].value, 193);
  EXPECT_EQ(driver_->samples[1].label, "Default Query" + kSuffix);
}

// Everything the dialog shows that a save keeps: each title, list and second-level list with
// its check mark in order, the start-up title, each title's default list and each list's
// default query. It only selects, changes nothing, and leaves the first title current.
Strings ShownChoices(FrmOption& form) {
  Strings shown;
  const auto marks = [&](ui::CheckListBox& list) {
    std::string text;
    for (int i = 0; i < list.ListCount(); ++i) text += list.List(i) + (list.Selected(i) ? "+ " : "- ");
    shown.push_back(text);
  };
  auto& titles = form.Get<ui::CheckListBox>("lstGrandFather");
  auto& lists = form.Get<ui::CheckListBox>("lstFather");
  marks(titles);
  for (int t = 0; t < titles.ListCount(); ++t) {
    titles.UserSelect(t);
    marks(lists);
    for (int l = 0; l < lists.ListCount(); ++l) {
      lists.UserSelect(l);
      marks(form.Get<ui::CheckListBox>("lstSon"));
    }
  }
  titles.UserSelect(0);
  shown.push_back(form.Get<ui::ComboBox>("cboStartup").Text());
  for (const auto& [screen, choice] : {std::pair{"cboStartupScreen", "cboDefaultStartup"},
                                       std::pair{"cboQueryScreen", "cboDefaultQuery"}}) {
    auto& screens = form.Get<ui::ComboBox>(screen);
    for (int i = 0; i < screens.ListCount(); ++i) {
      screens.UserSelect(i);
      shown.push_back(screens.List(i) + ": " + form.Get<ui::ComboBox>(choice).Text());
    }
  }
  return shown;
}

TEST_F(OptionDialogFlowTest, EachChangeAloneIsSavedAndReadBack) {
  const auto select = [](FrmOption& form, const char* list, const char* item) {
    auto& control = form.Get<ui::CheckListBox>(list);
    EXPECT_TRUE(control.UserSelect(IndexOf(control, item)));
  };
  const auto toggle = [](FrmOption& form, const char* list, const char* item) {
    auto& control = form.Get<ui::CheckListBox>(list);
    EXPECT_TRUE(control.UserToggleCheck(IndexOf(control, item)));
  };
  const auto press = [](FrmOption& form, const char* button) {
    EXPECT_TRUE(form.Get<ui::CommandButton>(button).UserClick());
  };
  const std::pair<const char*, std::function<void(FrmOption&)>> cases[] = {
      {"title hidden", [&](FrmOption& f) { toggle(f, "lstGrandFather", "Contacts"); }},
      {"title moved", [&](FrmOption& f) { select(f, "lstGrandFather", "Contacts"); press(f, "cmdGrandFatherDown"); }},
      {"list hidden", [&](FrmOption& f) { toggle(f, "lstFather", "By Industry"); }},
      {"list moved", [&](FrmOption& f) { select(f, "lstFather", "By Industry"); press(f, "cmdFatherUp"); }},
      {"second-level list hidden",
       [&](FrmOption& f) { select(f, "lstFather", "By Industry"); toggle(f, "lstSon", "Retail"); }},
      {"second-level list moved",
       [&](FrmOption& f) { select(f, "lstFather", "By Industry"); select(f, "lstSon", "Retail"); press(f, "cmdSonUp"); }},
      {"start-up title", [&](FrmOption& f) { Pick(f.Get<ui::ComboBox>("cboStartup"), "Contacts"); }},
      {"default list",
       [&](FrmOption& f) {
         Pick(f.Get<ui::ComboBox>("cboStartupScreen"), "Contacts");
         Pick(f.Get<ui::ComboBox>("cboDefaultStartup"), "My Contacts");
       }},
      {"default query",
       [&](FrmOption& f) {
         Pick(f.Get<ui::ComboBox>("cboQueryScreen"), "Accounts - All Accounts");
         Pick(f.Get<ui::ComboBox>("cboDefaultQuery"), "This week");
       }},
  };
  // Each showing starts from the server alone, as a new process of the host does.
  const auto show = [&](const std::function<void(FrmOption&)>& script) {
    NewComponent();
    EXPECT_FALSE(component::PutDefaultTitle(*prefdesk_, db_.Local(), recorder_));
    return ShowOption(script);
  };
  InsertQueries();
  db_.SeedServerLayout(kUser);
  const test_support::Rows seeded = Everything();
  for (const auto& [name, change] : cases) {
    SCOPED_TRACE(name);
    Strings before, edited, reopened;
    EXPECT_EQ(show([&](FrmOption& form) {
                before = ShownChoices(form);
                change(form);
                edited = ShownChoices(form);
                press(form, "CmdOk");
              }),
              (std::vector<int32_t>{E_OptionSuccess}));
    show([&](FrmOption& form) {
      reopened = ShownChoices(form);
      press(form, "cmdCancel");
    });
    EXPECT_NE(edited, before);
    EXPECT_EQ(reopened, edited);
    db_.ExecServer("DELETE FROM T_PHBUTTON; DELETE FROM T_PVBUTTON; DELETE FROM T_PMISC");
    db_.SeedServerLayout(kUser);
    ASSERT_EQ(Everything(), seeded);
  }
}

// A cash advance that is not a number of zero or more keeps the dialog open; zero passes.
TEST_F(OptionDialogFlowTest, OnlyACashAdvanceOfZeroOrMoreClosesTheDialog) {
  prefdesk_->SetExpenseCashAdvance(automation::Currency{-50000});
  const std::string message = resources::LoadResString(2024);
  const auto events = ShowOption([&](FrmOption& form) {
    auto& ok = form.Get<ui::CommandButton>("CmdOk");
    auto& cash = form.Get<ui::TextBox>("txtCash");
    EXPECT_EQ(cash.Text(), "-5");
    EXPECT_TRUE(ok.UserClick());
    for (const char* text : {"", "twelve", "1e400"}) {
      cash.SetText(text);
      EXPECT_TRUE(ok.UserClick());
    }
    EXPECT_TRUE(form.IsLoaded());
    EXPECT_EQ(InfoMessages(), (Strings(4, message)));
    EXPECT_FALSE(IsOpen("frmSaveProgress"));
    cash.SetText("0");
    EXPECT_TRUE(ok.UserClick());
  });
  EXPECT_EQ(events, (std::vector<int32_t>{E_OptionSuccess}));
  EXPECT_EQ(InfoMessages().size(), 4u);
}

}  // namespace
}  // namespace prefdesk::dialog::testing
