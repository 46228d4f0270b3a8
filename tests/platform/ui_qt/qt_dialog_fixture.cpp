#include "qt_dialog_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "platform/automation/conversions.h"
#include "platform/ui/toolkit.h"
#include "platform/ui_qt/check_list_widget.h"
#include "src/state/shared_state.h"
#include "src/dialog/register_dialog.h"
#include "src/resources/strings.h"

namespace prefdesk::ui_qt::testing {
namespace {

// One QApplication for the whole program, on the offscreen platform unless one is chosen.
class QtApplication : public ::testing::Environment {
 public:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QApplication>(argc_, argv_);
  }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[12] = "test_ui_qt";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
};

const ::testing::Environment* const kApplication = ::testing::AddGlobalTestEnvironment(new QtApplication);

// The OK of a message box, of a model window's dialog otherwise.
void PressOk(QWidget& window) {
  if (auto* box = qobject_cast<QMessageBox*>(&window)) {
    if (QAbstractButton* ok = box->defaultButton()) ok->click();
    return;
  }
  if (auto* ok = window.findChild<QPushButton*>("CmdOk")) ok->click();
}

int RowOf(const QListWidget& list, const QString& text) {
  for (int row = 0; row < list.count(); ++row) {
    if (list.item(row)->text() == text) return row;
  }
  return -1;
}

}  // namespace

QtDialogTest::QtDialogTest()
    : recorder_(std::make_shared<datacenter::StatementRecorder>(db_.Server())),
      front_end_(std::make_shared<QtFrontEnd>()) {
  ui::Toolkit::Current().SetFrontEnd(front_end_);
  front_end_->SetLanguage(resources::InterfaceLanguage);
  resources::SetInterfaceLanguage(resources::kLangEnglish);
  state::State() = state::SharedState{};
  dialog::RegisterOptionDialog();
  prefdesk_ = component::ClsPrefdesk::Create();
  prefdesk_->SetDataCenter(recorder_);
  prefdesk_->SetBaseConn(db_.Local());
  prefdesk_->SetUserID(kUser);
}

QtDialogTest::~QtDialogTest() {
  prefdesk_.reset();
  resources::SetInterfaceLanguage(0);
  state::State() = state::SharedState{};
  ui::Toolkit::Current().SetFrontEnd(nullptr);
  // The widgets of the closed windows go when the events pending for them are through.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::vector<int32_t> QtDialogTest::ShowOption(Script script) {
  std::vector<int32_t> events;
  front_end_->SetShownHook([&](QWidget& widget, ui::Window* window) {
    if (window == nullptr) {
      if (auto* box = qobject_cast<QMessageBox*>(&widget)) message_boxes_.push_back(box->text().toStdString());
      PressOk(widget);
      return;
    }
    if (window->Name() == "FrmShowInfor" || window->Name() == "FrmShowErr") {
      if (auto* text = widget.findChild<QPlainTextEdit*>("Txt_ErrDescription")) {
        message_windows_.push_back(text->toPlainText().toStdString());
      }
      PressOk(widget);
      return;
    }
    if (window->Name() != "frmOption") return;
    // After OK or Cancel the model window may be gone; its dialog is hidden first.
    const QPointer<QWidget> dialog(&widget);
    script(widget, dynamic_cast<dialog::FrmOption&>(*window));
    if (dialog && dialog->isVisible()) {
      ADD_FAILURE() << "the options window is still open";
      ClickButton(*dialog, "cmdCancel");
    }
  });
  const int cookie = prefdesk_->Advise([&](int32_t dispid, const automation::Arguments& args) {
    if (dispid == component::kDispidOptionSuccess) events.push_back(automation::CLng(args.at(0)));
  });
  EXPECT_FALSE(prefdesk_->ShowOption());
  prefdesk_->Unadvise(cookie);
  front_end_->SetShownHook({});
  return events;
}

void QtDialogTest::ClickTab(QWidget& dialog, int tab) {
  auto* tabs = dialog.findChild<QTabWidget*>("SSTab1");
  ASSERT_NE(tabs, nullptr);
  QTabBar* bar = tabs->tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
}

void QtDialogTest::ClickButton(QWidget& dialog, const char* name) {
  auto* button = dialog.findChild<QPushButton*>(name);
  ASSERT_NE(button, nullptr) << name;
  QTest::mouseClick(button, Qt::LeftButton);
}

void QtDialogTest::PickWithKeys(QWidget& dialog, const char* name, const QString& text) {
  auto* combo = dialog.findChild<QComboBox*>(name);
  ASSERT_NE(combo, nullptr) << name;
  const int target = combo->findText(text, Qt::MatchExactly);
  ASSERT_GE(target, 0) << name << " has no item " << text.toStdString();
  while (combo->currentIndex() != target) {
    const int before = combo->currentIndex();
    QTest::keyClick(combo, before < target ? Qt::Key_Down : Qt::Key_Up);
    ASSERT_NE(combo->currentIndex(), before) << name << " does not follow the arrow keys";
  }
}

QListWidget* QtDialogTest::List(QWidget& dialog, const char* name) {
  return dialog.findChild<QListWidget*>(name);
}

void QtDialogTest::ClickCheckBox(QWidget& dialog, const char* list_name, const QString& text) {
  auto* list = qobject_cast<CheckListWidget*>(List(dialog, list_name));
  ASSERT_NE(list, nullptr) << list_name;
  const int row = RowOf(*list, text);
  ASSERT_GE(row, 0) << list_name << " has no item " << text.toStdString();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->CheckBoxRect(row).center());
}

void QtDialogTest::ClickItemText(QWidget& dialog, const char* list_name, const QString& text) {
  QListWidget* list = List(dialog, list_name);
  ASSERT_NE(list, nullptr) << list_name;
  const int row = RowOf(*list, text);
  ASSERT_GE(row, 0) << list_name << " has no item " << text.toStdString();
  const QRect item = list->visualItemRect(list->item(row));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(item.right() - 4, item.center().y()));
}

QStringList QtDialogTest::Items(const QListWidget& list) {
  QStringList items;
  for (int row = 0; row < list.count(); ++row) items << list.item(row)->text();
  return items;
}

QStringList QtDialogTest::ComboItems(QWidget& dialog, const char* name) {
  QStringList items;
  if (auto* combo = dialog.findChild<QComboBox*>(name)) {
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
  }
  return items;
}

}  // namespace prefdesk::ui_qt::testing
