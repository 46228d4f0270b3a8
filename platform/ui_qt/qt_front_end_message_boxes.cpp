// MsgBox and InputBox of the Qt front end: the style's icon and buttons, the platform's
// result values, button captions in the user's language.
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <algorithm>
#include <vector>

#include "platform/ui/services.h"
#include "platform/ui_qt/qt_front_end.h"

namespace prefdesk::ui_qt {
namespace {

constexpr int vbAbort = 3;
constexpr int vbRetry = 4;
constexpr int vbIgnore = 5;

constexpr int kChinese = 2052;

struct Button {
  QMessageBox::StandardButton qt;
  int result;
  const char* english;
  const char* chinese;  // UTF-8
};

constexpr Button kOk{QMessageBox::Ok, ui::vbOK, "OK", "确定"};
constexpr Button kCancel{QMessageBox::Cancel, ui::vbCancel, "Cancel", "取消"};
constexpr Button kAbort{QMessageBox::Abort, vbAbort, "&Abort", "中止(&A)"};
constexpr Button kRetry{QMessageBox::Retry, vbRetry, "&Retry", "重试(&R)"};
constexpr Button kIgnore{QMessageBox::Ignore, vbIgnore, "&Ignore", "忽略(&I)"};
constexpr Button kYes{QMessageBox::Yes, ui::vbYes, "&Yes", "是(&Y)"};
constexpr Button kNo{QMessageBox::No, ui::vbNo, "&No", "否(&N)"};

// The buttons of a style (its lowest three bits), in the order the platform shows them.
std::vector<Button> ButtonsOf(int style) {
  switch (style & 7) {
    case 1: return {kOk, kCancel};
    case 2: return {kAbort, kRetry, kIgnore};
    case 3: return {kYes, kNo, kCancel};
    case 4: return {kYes, kNo};
    case 5: return {kRetry, kCancel};
    default: return {kOk};
  }
}

bool InChinese(const LanguageSource& language) {
  if (language) return language() == kChinese;
  return QLocale::system().language() == QLocale::Chinese;
}

QString Caption(const Button& button, bool chinese) {
  return QString::fromUtf8(chinese ? button.chinese : button.english);
}

QMessageBox::Icon IconOf(int style) {
  switch (style & 0x70) {
    case ui::vbCritical: return QMessageBox::Critical;
    case ui::vbQuestion: return QMessageBox::Question;
    case ui::vbExclamation: return QMessageBox::Warning;
    case ui::vbInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

}  // namespace

int QtFrontEnd::MsgBox(const std::string& prompt, int style, const std::string& title) {
  const std::vector<Button> buttons = ButtonsOf(style);
  const size_t chosen = std::min(static_cast<size_t>((style >> 8) & 3), buttons.size() - 1);
  // On the heap: should the window it opens over go away meanwhile, the box goes with it.
  QPointer<QMessageBox> box = new QMessageBox(IconOf(style), QString::fromStdString(title),
                                              QString::fromStdString(prompt), QMessageBox::NoButton, Topmost(nullptr));
  box->setObjectName(QStringLiteral("MsgBox"));
  const bool chinese = InChinese(language_);
  for (const Button& b : buttons) box->addButton(b.qt)->setText(Caption(b, chinese));
  box->setDefaultButton(buttons[chosen].qt);
  // Escape and the close box give Cancel where there is one, and OK on a box with OK alone.
  for (const Button& b : buttons) {
    if (b.result == ui::vbCancel || buttons.size() == 1) box->setEscapeButton(b.qt);
  }
  ExecWithHook(*box);
  if (!box) return buttons[chosen].result;
  const QMessageBox::StandardButton pressed = box->standardButton(box->clickedButton());
  delete box;
  for (const Button& b : buttons) {
    if (b.qt == pressed) return b.result;
  }
  return buttons[chosen].result;
}

std::string QtFrontEnd::InputBox(const std::string& prompt, const std::string& title,
                                 const std::string& default_text) {
  QPointer<QInputDialog> dialog = new QInputDialog(Topmost(nullptr));
  dialog->setObjectName(QStringLiteral("InputBox"));
  dialog->setInputMode(QInputDialog::TextInput);
  dialog->setWindowTitle(QString::fromStdString(title));
  dialog->setLabelText(QString::fromStdString(prompt));
  dialog->setTextValue(QString::fromStdString(default_text));
  const bool chinese = InChinese(language_);
  dialog->setOkButtonText(Caption(kOk, chinese));
  dialog->setCancelButtonText(Caption(kCancel, chinese));
  const bool accepted = ExecWithHook(*dialog) == QDialog::Accepted;
  if (!dialog) return {};
  const std::string entered = accepted ? dialog->textValue().toStdString() : std::string();
  delete dialog;
  return entered;
}

}  // namespace prefdesk::ui_qt
