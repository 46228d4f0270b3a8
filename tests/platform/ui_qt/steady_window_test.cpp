// The options window on the Qt front end as a person lives with it: quiet while nothing
// happens, and the same size whatever its lists come to hold.
#include <QCoreApplication>
#include <QListWidget>
#include <QTest>

#include "platform/ui/toolkit.h"
#include "qt_dialog_fixture.h"

namespace prefdesk::ui_qt::testing {
namespace {

constexpr int kColumnTab = 6;

int ListControls(const ui::Window& window) {
  int lists = 0;
  for (const auto& control : window.Controls()) {
    const ui::ControlKind kind = control->Kind();
    lists += kind == ui::ControlKind::ComboBox || kind == ui::ControlKind::CheckListBox ||
             kind == ui::ControlKind::TabControl || kind == ui::ControlKind::Custom;
  }
  return lists;
}

TEST_F(QtDialogTest, AnIdleWindowRunsNoPassAndItsListsAreMirroredOncePerBatch) {
  WindowView::Passes shown, idle, clicked;
  int lists = 0;
  ShowOption([&](QWidget& dialog, dialog::FrmOption& form) {
    shown = front_end_->PassCount(form);
    lists = ListControls(form);
    QTest::qWait(1000);
    idle = front_end_->PassCount(form);
    // A click on a title refills the two lists beside it: one mirror each, one arrange at most.
    ClickTab(dialog, kColumnTab);
    const WindowView::Passes before = front_end_->PassCount(form);
    ClickItemText(dialog, "lstGrandFather", "Contacts");
    QCoreApplication::processEvents();
    clicked = front_end_->PassCount(form);
    clicked.arranges -= before.arranges;
    clicked.item_syncs -= before.item_syncs;
    ClickButton(dialog, "cmdCancel");
  });
  EXPECT_EQ(idle.arranges, shown.arranges);
  EXPECT_EQ(idle.item_syncs, shown.item_syncs);
  // Each list was mirrored when its widget was made and once more for all the items LoadMe
  // added one by one before the window showed.
  EXPECT_LE(shown.item_syncs, 2 * lists);
  EXPECT_LE(clicked.item_syncs, 3);
  EXPECT_LE(clicked.arranges, 1);
}

// Checking, unchecking, moving and a child list filling with texts wider than any the window
// showed at first: the window keeps its size, so its buttons stay under the pointer.
TEST_F(QtDialogTest, TheWindowKeepsItsSizeWhateverItsListsHold) {
  db_.ExecLocal("UPDATE BarList SET ListNameEnglish = ListNameEnglish || ' of the northern sales region' "
                "WHERE ListID IN (29, 42)");
  for (const PlacementPolicy policy : {PlacementPolicy::Automatic, PlacementPolicy::Layouts}) {
    front_end_ = std::make_shared<QtFrontEnd>(policy);
    ui::Toolkit::Current().SetFrontEnd(front_end_);
    std::vector<QSize> sizes;
    ShowOption([&](QWidget& dialog, dialog::FrmOption&) {
      const auto note = [&] {
        QCoreApplication::processEvents();
        sizes.push_back(dialog.size());
      };
      note();
      ClickTab(dialog, kColumnTab);
      note();
      ClickCheckBox(dialog, "lstGrandFather", "Contacts");
      note();
      ClickCheckBox(dialog, "lstGrandFather", "Contacts");
      ClickButton(dialog, "cmdGrandFatherBottom");
      note();
      ClickItemText(dialog, "lstFather", "By Account");
      ASSERT_EQ(List(dialog, "lstSon")->count(), 3);
      note();
      ClickButton(dialog, "cmdFatherTop");
      ClickCheckBox(dialog, "lstSon", "Partner Contacts");
      note();
      ClickButton(dialog, "cmdCancel");
    });
    ASSERT_EQ(sizes.size(), 6u);
    for (const QSize& size : sizes) {
      EXPECT_EQ(std::pair(size.width(), size.height()), std::pair(sizes[0].width(), sizes[0].height()))
          << static_cast<int>(policy);
    }
  }
}

}  // namespace
}  // namespace prefdesk::ui_qt::testing
