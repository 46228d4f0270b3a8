// The options dialog on the Qt front end, end to end through ShowOption on real databases:
// a person's clicks and key presses on the widgets reach the model, and what the model does
// shows on the widgets and reaches the server.
#include <QComboBox>
#include <QImage>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>

#include "platform/appearancelib/appearance_value_set.h"
#include "platform/automation/conversions.h"
#include "platform/automation/variant.h"
#include "platform/ui/combo_box.h"
#include "qt_dialog_fixture.h"
#include "src/component/enumerations.h"
#include "src/resources/strings.h"

namespace prefdesk::ui_qt::testing {
namespace {

using component::E_OptionCancel;
using component::E_OptionSuccess;
using Events = std::vector<int32_t>;

constexpr int kAppearanceTab = 1;
constexpr int kStartupTab = 4;
constexpr int kDefaultQueryTab = 5;
constexpr int kColumnTab = 6;

QString CurrentText(QWidget& dialog, const char* combo) {
  auto* box = dialog.findChild<QComboBox*>(combo);
  return box == nullptr ? QStringLiteral("<missing>") : box->currentText();
}

TEST_F(QtDialogTest, NewUserChoosesStartupAndDefaultQueryWithTheKeyboardAndSaves) {
  db_.ExecServer(
      "INSERT INTO T_PQUERY (F_QUERYID, F_UID, F_HBUTTONID, F_QUERYNAME) VALUES "
      "('Q1', 7, 1, 'Big deals'), ('Q2', 7, 1, 'This week'), ('Q3', 7, 2, 'Buyers'), "
      "('Q9', 8, 1, 'Someone else''s')");
  const auto events = ShowOption([&](QWidget& dialog, dialog::FrmOption& form) {
    // Filled by code, the screen lists have no choice yet: the widgets filling up sent none
    // back to the model.
    for (const char* screen : {"cboStartupScreen", "cboQueryScreen"}) {
      EXPECT_EQ(form.Get<ui::ComboBox>(screen).ListIndex(), -1) << screen;
      EXPECT_EQ(CurrentText(dialog, screen), "") << screen;
    }
    EXPECT_TRUE(ComboItems(dialog, "cboDefaultStartup").isEmpty());

    auto* tabs = dialog.findChild<QTabWidget*>("SSTab1");
    ASSERT_NE(tabs, nullptr);
    for (int tab : {0, 1, 2, 3}) EXPECT_FALSE(tabs->isTabEnabled(tab)) << tab;
    for (int tab : {4, 5, 6}) EXPECT_TRUE(tabs->isTabEnabled(tab)) << tab;
    // A click on a disabled tab changes nothing.
    const int shown = tabs->currentIndex();
    ClickTab(dialog, 0);
    EXPECT_EQ(tabs->currentIndex(), shown);

    ClickTab(dialog, kStartupTab);
    EXPECT_EQ(tabs->currentIndex(), kStartupTab);
    EXPECT_EQ(CurrentText(dialog, "cboStartup"), "<None>");
    EXPECT_EQ(ComboItems(dialog, "cboStartup").size(), 13);
    PickWithKeys(dialog, "cboStartup", "Contacts");
    PickWithKeys(dialog, "cboStartupScreen", "Contacts");
    EXPECT_EQ(ComboItems(dialog, "cboDefaultStartup"), (QStringList{"All Contacts", "My Contacts"}));
    EXPECT_EQ(CurrentText(dialog, "cboDefaultStartup"), "All Contacts");
    PickWithKeys(dialog, "cboDefaultStartup", "My Contacts");

    ClickTab(dialog, kDefaultQueryTab);
    PickWithKeys(dialog, "cboQueryScreen", "Contacts - All Contacts");
    EXPECT_EQ(ComboItems(dialog, "cboDefaultQuery"), (QStringList{"", "Buyers"}));
    PickWithKeys(dialog, "cboQueryScreen", "Accounts - All Accounts");
    EXPECT_EQ(ComboItems(dialog, "cboDefaultQuery"), (QStringList{"", "Big deals", "This week"}));
    EXPECT_EQ(CurrentText(dialog, "cboDefaultQuery"), "");
    // The refill by code chose nothing, and the widget's own choice of its first new item did
    // not come back as a person's pick.
    EXPECT_EQ(form.Get<ui::ComboBox>("cboDefaultQuery").ListIndex(), -1);
    PickWithKeys(dialog, "cboDefaultQuery", "This week");

    ClickButton(dialog, "CmdOk");
  });

  EXPECT_EQ(events, (Events{E_OptionSuccess}));
  EXPECT_EQ(message_boxes_, (std::vector<std::string>{resources::LoadResString(2200)}));
  EXPECT_TRUE(message_windows_.empty());
  EXPECT_EQ(db_.ServerRows("SELECT F_VBUTTONID FROM T_PVBUTTON "
                           "WHERE F_UID=7 AND F_HBUTTONID=2 AND F_ISPRIMARY=1"),
            (test_support::Rows{{"29"}}));
  EXPECT_EQ(db_.ServerRows("SELECT F_VBUTTONID, F_DEFQUERYID FROM T_PVBUTTON "
                           "WHERE F_UID=7 AND F_DEFQUERYID IS NOT NULL"),
            (test_support::Rows{{"1", "Q2"}}));
  // Passing over other screens on the way changed none of their default lists.
  EXPECT_EQ(db_.ServerRows("SELECT F_VBUTTONID FROM T_PVBUTTON "
                           "WHERE F_UID=7 AND F_HBUTTONID=1 AND F_ISPRIMARY=1"),
            (test_support::Rows{{"1"}}));
}

TEST_F(QtDialogTest, CancelEscapeAndTheCloseBoxWriteNothing) {
  const auto change_startup = [](QWidget& dialog) {
    ClickTab(dialog, kStartupTab);
    PickWithKeys(dialog, "cboStartup", "Contacts");
  };
  const auto cancelled = ShowOption([&](QWidget& dialog, dialog::FrmOption&) {
    change_startup(dialog);
    ClickButton(dialog, "cmdCancel");
  });
  const auto escaped = ShowOption([&](QWidget& dialog, dialog::FrmOption&) {
    change_startup(dialog);
    QTest::keyClick(&dialog, Qt::Key_Escape);
  });
  const auto closed = ShowOption([&](QWidget& dialog, dialog::FrmOption&) {
    change_startup(dialog);
    dialog.close();
  });

  for (const Events& events : {cancelled, escaped, closed}) EXPECT_EQ(events, (Events{E_OptionCancel}));
  EXPECT_TRUE(recorder_->Writes().empty());
  EXPECT_TRUE(recorder_->CallsOf("BeginTrans").empty());
  EXPECT_TRUE(message_boxes_.empty());
  EXPECT_TRUE(db_.ServerLayout(kUser).empty());
}

TEST_F(QtDialogTest, ClickOnACheckBoxMakesTheItemCurrentThenTogglesItsMark) {
  const auto events = ShowOption([&](QWidget& dialog, dialog::FrmOption&) {
    ClickTab(dialog, kColumnTab);
    QListWidget* titles = List(dialog, "lstGrandFather");
    QListWidget* lists = List(dialog, "lstFather");
    ASSERT_NE(titles, nullptr);
    ASSERT_NE(lists, nullptr);
    EXPECT_EQ(titles->currentRow(), 0);
    EXPECT_EQ(lists->item(0)->text(), "All Accounts");

    ClickCheckBox(dialog, "lstGrandFather", "Contacts");
    EXPECT_EQ(titles->currentItem()->text(), "Contacts");
    EXPECT_EQ(titles->currentItem()->checkState(), Qt::Unchecked);
    EXPECT_EQ(lists->item(0)->text(), "All Contacts");

    // A click on the text only picks the item; a second click on the box marks it again.
    ClickItemText(dialog, "lstGrandFather", "Opportunities");
    EXPECT_EQ(titles->currentItem()->text(), "Opportunities");
    EXPECT_EQ(titles->currentItem()->checkState(), Qt::Checked);
    ClickCheckBox(dialog, "lstGrandFather", "Accounts");
    ClickCheckBox(dialog, "lstGrandFather", "Accounts");
    EXPECT_EQ(titles->currentItem()->text(), "Accounts");
    EXPECT_EQ(titles->currentItem()->checkState(), Qt::Checked);

    ClickButton(dialog, "CmdOk");
  });

  EXPECT_EQ(events, (Events{E_OptionSuccess}));
  EXPECT_EQ(db_.ServerRows("SELECT F_HBUTTONID FROM T_PHBUTTON WHERE F_UID=7 AND F_ISVISIBLE=0"),
            (test_support::Rows{{"2"}}));
  EXPECT_EQ(db_.ServerInt("SELECT COUNT(*) FROM T_PHBUTTON WHERE F_UID=7 AND F_ISVISIBLE=1"), 11);
}

TEST_F(QtDialogTest, MoveButtonsReorderTheCurrentTitleAndTheServerKeepsTheOrder) {
  const auto events = ShowOption([&](QWidget& dialog, dialog::FrmOption&) {
    ClickTab(dialog, kColumnTab);
    QListWidget* titles = List(dialog, "lstGrandFather");
    ASSERT_NE(titles, nullptr);
    ClickItemText(dialog, "lstGrandFather", "Activities");
    ClickButton(dialog, "cmdGrandFatherTop");
    EXPECT_EQ(Items(*titles).mid(0, 4), (QStringList{"Activities", "Accounts", "Contacts", "Opportunities"}));
    EXPECT_EQ(titles->currentRow(), 0);
    ClickButton(dialog, "cmdGrandFatherDown");
    EXPECT_EQ(Items(*titles).mid(0, 4), (QStringList{"Accounts", "Activities", "Contacts", "Opportunities"}));
    EXPECT_EQ(titles->currentRow(), 1);
    // The moved title's lists are shown beside it.
    EXPECT_EQ(List(dialog, "lstFather")->item(0)->text(), "My Activities");
    ClickButton(dialog, "CmdOk");
  });

  EXPECT_EQ(events, (Events{E_OptionSuccess}));
  EXPECT_EQ(db_.ServerRows("SELECT F_HBUTTONID FROM T_PHBUTTON WHERE F_UID=7 AND F_SEQUENCENO<=4 "
                           "ORDER BY F_SEQUENCENO"),
            (test_support::Rows{{"1"}, {"4"}, {"2"}, {"3"}}));
}

TEST_F(QtDialogTest, ClickOnASchemeSelectsItInTheModelAndThePreviewShowsIt) {
  prefdesk_->SetEnableAppearanceTab(true);
  std::string selected;
  const auto events = ShowOption([&](QWidget& dialog, dialog::FrmOption& form) {
    ClickTab(dialog, kAppearanceTab);
    QListWidget* schemes = List(dialog, "AppearanceValueSet1");
    ASSERT_NE(schemes, nullptr);
    ASSERT_GE(schemes->count(), 2);
    const QString second = schemes->item(1)->text();
    ClickItemText(dialog, "AppearanceValueSet1", second);
    EXPECT_EQ(schemes->currentRow(), 1);
    selected = form.Get<appearancelib::AppearanceValueSet>("AppearanceValueSet1").SelectedSchemeName();
    EXPECT_EQ(QString::fromStdString(selected), second);
    // The preview now shows the chosen scheme: its form colour fills the bottom corner.
    const auto& preview = form.Get<appearancelib::Appearance>("Appearance1");
    ASSERT_NE(preview.CurrentScheme(), nullptr);
    const int32_t bgr = automation::CLng(preview.ShownValue("ColorFormBack"));
    QWidget* preview_widget = dialog.findChild<QWidget*>("Appearance1");
    ASSERT_NE(preview_widget, nullptr);
    const QImage picture = preview_widget->grab().toImage();
    EXPECT_EQ(picture.pixelColor(picture.width() / 2, picture.height() - 6),
              QColor(bgr & 0xff, (bgr >> 8) & 0xff, (bgr >> 16) & 0xff));
    ClickButton(dialog, "cmdCancel");
  });
  EXPECT_FALSE(selected.empty());
  EXPECT_EQ(events, (Events{E_OptionCancel}));
}

TEST_F(QtDialogTest, RefusedCashAdvanceShowsItsMessageOverTheDialogWhichStaysOpen) {
  prefdesk_->SetExpenseCashAdvance(automation::Currency{-50000});
  bool open_after_ok = false;
  const auto events = ShowOption([&](QWidget& dialog, dialog::FrmOption&) {
    ClickButton(dialog, "CmdOk");
    open_after_ok = dialog.isVisible();
    ClickButton(dialog, "cmdCancel");
  });

  EXPECT_TRUE(open_after_ok);
  EXPECT_EQ(message_windows_, (std::vector<std::string>{resources::LoadResString(2024)}));
  EXPECT_EQ(events, (Events{E_OptionCancel}));
  EXPECT_TRUE(recorder_->Writes().empty());
}

}  // namespace
}  // namespace prefdesk::ui_qt::testing
