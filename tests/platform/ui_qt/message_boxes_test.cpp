// Message and input boxes of the Qt front end speak the user's interface language.
#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>

#include "platform/ui/services.h"
#include "qt_dialog_fixture.h"
#include "src/resources/strings.h"

namespace prefdesk::ui_qt::testing {
namespace {

QStringList SortedTexts(const QList<QAbstractButton*>& buttons) {
  QStringList texts;
  for (const QAbstractButton* button : buttons) texts << button->text();
  texts.sort();
  return texts;
}

TEST_F(QtDialogTest, EveryButtonOfEveryBoxIsInTheUsersLanguage) {
  struct Case {
    int language;
    int style;
    QStringList buttons;  // sorted
  };
  const Case cases[] = {
      {resources::kLangChinese, ui::vbInformation, {"确定"}},
      {resources::kLangChinese, ui::vbYesNo, {"否(&N)", "是(&Y)"}},
      {resources::kLangChinese, 2, {"中止(&A)", "忽略(&I)", "重试(&R)"}},
      {resources::kLangChinese, 3, {"取消", "否(&N)", "是(&Y)"}},
      {resources::kLangEnglish, 1, {"Cancel", "OK"}},
      {resources::kLangEnglish, ui::vbYesNo, {"&No", "&Yes"}},
  };
  QStringList shown;
  front_end_->SetShownHook([&](QWidget& widget, ui::Window*) {
    if (auto* box = qobject_cast<QMessageBox*>(&widget)) {
      shown = SortedTexts(box->buttons());
      box->defaultButton()->click();
    } else if (auto* buttons = widget.findChild<QDialogButtonBox*>()) {
      shown = SortedTexts(buttons->buttons());
      buttons->buttons().front()->click();
    }
  });
  for (const Case& c : cases) {
    resources::SetInterfaceLanguage(c.language);
    ui::MsgBox("?", c.style, "ColumnSet");
    EXPECT_EQ(shown, c.buttons) << c.language << " style " << c.style;
  }
  resources::SetInterfaceLanguage(resources::kLangChinese);
  ui::InputBox("?", "Scheme");
  EXPECT_EQ(shown, (QStringList{"取消", "确定"}));
}

}  // namespace
}  // namespace prefdesk::ui_qt::testing
