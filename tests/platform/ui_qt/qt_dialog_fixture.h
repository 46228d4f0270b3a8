// Shared set-up of the tests of the Qt front end on the real options dialog: a QApplication on
// the offscreen platform, fresh databases for user 7, a statement recorder over the SQLite data
// service, a ClsPrefdesk wired to them and the Qt front end as the toolkit's front end. The
// tests act on the dialog's widgets with QTest as a person would, once its modal loop runs.
#pragma once

#include <gtest/gtest.h>

#include <QListWidget>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/datacenter/statement_recorder.h"
#include "platform/ui_qt/qt_front_end.h"
#include "src/component/cls_prefdesk.h"
#include "src/dialog/frm_option.h"
#include "support/temp_databases.h"

namespace prefdesk::ui_qt::testing {

inline constexpr int16_t kUser = 7;

class QtDialogTest : public ::testing::Test {
 protected:
  QtDialogTest();
  ~QtDialogTest() override;

  // Runs ShowOption; `script` acts on the widgets of the options window once it is on screen.
  // Message boxes and the information and error windows are answered with OK and noted.
  // A script that leaves the window open fails the test, and the window is cancelled so the
  // test ends. Returns the OptionSuccess values raised, in order.
  using Script = std::function<void(QWidget& dialog, dialog::FrmOption& form)>;
  std::vector<int32_t> ShowOption(Script script);

  // A person's actions on the widgets of the window.
  static void ClickTab(QWidget& dialog, int tab);
  static void ClickButton(QWidget& dialog, const char* name);
  // Moves through the combo box with the arrow keys to the item with that text.
  static void PickWithKeys(QWidget& dialog, const char* name, const QString& text);
  static void ClickCheckBox(QWidget& dialog, const char* list, const QString& text);
  static void ClickItemText(QWidget& dialog, const char* list, const QString& text);

  // nullptr when the window has no list of that name.
  static QListWidget* List(QWidget& dialog, const char* name);
  static QStringList Items(const QListWidget& list);
  static QStringList ComboItems(QWidget& dialog, const char* name);

  // The texts of the message boxes, and the descriptions of the information and error
  // windows, shown so far.
  std::vector<std::string> message_boxes_;
  std::vector<std::string> message_windows_;

  test_support::TempDatabases db_{kUser};
  std::shared_ptr<datacenter::StatementRecorder> recorder_;
  std::shared_ptr<QtFrontEnd> front_end_;
  std::shared_ptr<component::ClsPrefdesk> prefdesk_;
};

}  // namespace prefdesk::ui_qt::testing
