// Mirroring the model into the widgets. Everything here runs with the view's mirroring flag
// up, so the signals the widgets send meanwhile are not taken for a person's input.
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <cmath>
#include <optional>

#include "platform/appearancelib/appearance_value_set.h"
#include "platform/ui/check_list_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/progress_bar.h"
#include "platform/ui/simple_controls.h"
#include "platform/ui/tab_control.h"
#include "platform/ui/text_box.h"
#include "platform/ui_qt/check_list_widget.h"
#include "platform/ui_qt/fonts.h"
#include "platform/ui_qt/move_icons.h"
#include "platform/ui_qt/scheme_preview.h"
#include "platform/ui_qt/window_view.h"

namespace prefdesk::ui_qt {
namespace {

namespace prop = ui::prop;

struct MirrorScope {
  explicit MirrorScope(int& depth) : depth_(depth) { ++depth_; }
  ~MirrorScope() { --depth_; }
  int& depth_;
};

QString ToWidgetText(const std::string& text) {
  return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::optional<Qt::CursorShape> CursorOf(int pointer) {
  switch (pointer) {
    case 1: return Qt::ArrowCursor;
    case 2: return Qt::CrossCursor;
    case 3: return Qt::IBeamCursor;
    case ui::kPointerHourglass: return Qt::WaitCursor;
    case 13: return Qt::BusyCursor;
    default: return std::nullopt;
  }
}

void SyncLabel(QLabel& label, const ui::Label& model) {
  // Without a buddy a QLabel would show the '&' of a mnemonic as it is.
  const QString text = label.buddy() != nullptr ? QString::fromStdString(model.Caption()) : PlainCaption(model.Caption());
  if (label.text() != text) label.setText(text);
}

void SyncButton(QPushButton& button, const ui::CommandButton& model) {
  button.setText(QString::fromStdString(model.Caption()));
  button.setIcon(model.Caption().empty() ? MoveIcon(model.Name()) : QIcon());
  button.setDefault(model.IsDefault());
}

void SyncTextBox(QWidget& widget, const ui::TextBox& model) {
  const QString text = ToWidgetText(model.Text());
  if (auto* line = qobject_cast<QLineEdit*>(&widget)) {
    if (line->text() != text) line->setText(text);
    line->setReadOnly(model.Locked());
    line->setMaxLength(model.MaxLength() > 0 ? model.MaxLength() : 32767);
  } else if (auto* area = qobject_cast<QPlainTextEdit*>(&widget)) {
    if (area->toPlainText() != text) area->setPlainText(text);
    area->setReadOnly(model.Locked());
  }
}

void SyncProgress(QProgressBar& bar, const ui::ProgressBar& model) {
  bar.setRange(static_cast<int>(std::lround(model.Min())), static_cast<int>(std::lround(model.Max())));
  bar.setValue(static_cast<int>(std::lround(model.Value())));
}

void SyncPicture(QLabel& label, const ui::PictureBox& model) {
  const auto& picture = model.GetPicture();
  QPixmap pixmap;
  if (picture != nullptr && !picture->Source().empty()) pixmap.load(QString::fromStdString(picture->Source()));
  label.setPixmap(pixmap);
}

// Items the widget already shows from the first on are kept: a list filled item by item grows
// by its new items only.
void SyncComboItems(QComboBox& combo, const ui::ComboBox& model) {
  int same = 0;
  while (same < combo.count() && same < model.ListCount() &&
         combo.itemText(same) == QString::fromStdString(model.List(same))) {
    ++same;
  }
  while (combo.count() > same) combo.removeItem(combo.count() - 1);
  QStringList added;
  added.reserve(model.ListCount() - same);
  for (int i = same; i < model.ListCount(); ++i) added << QString::fromStdString(model.List(i));
  combo.addItems(added);
  combo.setCurrentIndex(model.ListIndex());
}

void SyncCheckListItems(CheckListWidget& list, const ui::CheckListBox& model) {
  for (int i = 0; i < model.ListCount(); ++i) {
    list.SetRow(i, QString::fromStdString(model.List(i)), model.Selected(i));
  }
  while (list.count() > model.ListCount()) delete list.takeItem(list.count() - 1);
  list.setCurrentRow(model.ListIndex());
}

void SyncSchemeList(QListWidget& list, const appearancelib::AppearanceValueSet& model) {
  const auto& names = model.SchemeNames();
  bool same = list.count() == static_cast<int>(names.size());
  for (int i = 0; same && i < list.count(); ++i) same = list.item(i)->text() == QString::fromStdString(names[i]);
  if (!same) {
    list.clear();
    for (const std::string& name : names) list.addItem(QString::fromStdString(name));
  }
  list.setCurrentRow(model.SelectedIndex());
}

}  // namespace

void WindowView::SyncWindow(std::string_view property) {
  if (!dialog_) return;
  MirrorScope scope(syncing_);
  const bool all = property.empty();
  if (all || property == prop::kCaption) dialog_->setWindowTitle(QString::fromStdString(window_.Caption()));
  if (all || property == prop::kEnabled) dialog_->setEnabled(window_.Enabled());
  if (all || property == prop::kFont) dialog_->setFont(ToQFont(window_.GetFont().Spec()));
  if (all || property == prop::kIcon) {
    const auto& icon = window_.Icon();
    dialog_->setWindowIcon(icon != nullptr && !icon->Source().empty() ? QIcon(QString::fromStdString(icon->Source()))
                                                                      : QIcon());
  }
  if (all || property == prop::kMousePointer) {
    if (const auto shape = CursorOf(window_.MousePointer())) {
      dialog_->setCursor(*shape);
    } else {
      dialog_->unsetCursor();
    }
  }
  if (property == prop::kVisible && !window_.Visible()) dialog_->hide();
}

void WindowView::SyncControl(ui::Control& control, std::string_view property) {
  QWidget* widget = WidgetOf(control);
  if (widget == nullptr) return;
  MirrorScope scope(syncing_);
  const bool all = property.empty();
  if (all || property == prop::kEnabled) widget->setEnabled(control.Enabled());
  if (all || property == prop::kVisible) widget->setVisible(control.Visible());
  if ((all || property == prop::kFont) && control.HasFont()) widget->setFont(ToQFont(control.GetFont()->Spec()));
  if (auto* label = dynamic_cast<ui::Label*>(&control)) {
    SyncLabel(*static_cast<QLabel*>(widget), *label);
  } else if (auto* frame = dynamic_cast<ui::Frame*>(&control)) {
    static_cast<QGroupBox*>(widget)->setTitle(QString::fromStdString(frame->Caption()));
  } else if (auto* button = dynamic_cast<ui::CommandButton*>(&control)) {
    SyncButton(*static_cast<QPushButton*>(widget), *button);
  } else if (auto* box = dynamic_cast<ui::TextBox*>(&control)) {
    SyncTextBox(*widget, *box);
  } else if (auto* combo = dynamic_cast<ui::ComboBox*>(&control)) {
    static_cast<QComboBox*>(widget)->setCurrentIndex(combo->ListIndex());
  } else if (auto* list = dynamic_cast<ui::CheckListBox*>(&control)) {
    static_cast<CheckListWidget*>(widget)->setCurrentRow(list->ListIndex());
  } else if (auto* tabs = dynamic_cast<ui::TabControl*>(&control)) {
    static_cast<QTabWidget*>(widget)->setCurrentIndex(tabs->Tab());
  } else if (auto* bar = dynamic_cast<ui::ProgressBar*>(&control)) {
    SyncProgress(*static_cast<QProgressBar*>(widget), *bar);
  } else if (auto* picture = dynamic_cast<ui::PictureBox*>(&control)) {
    SyncPicture(*static_cast<QLabel*>(widget), *picture);
  } else if (auto* preview = dynamic_cast<appearancelib::Appearance*>(&control)) {
    static_cast<SchemePreview*>(widget)->ShowScheme(*preview);
  }
}

void WindowView::SyncItems(ui::Control& control) {
  QWidget* widget = WidgetOf(control);
  if (widget == nullptr) return;
  MirrorScope scope(syncing_);
  if (auto* combo = dynamic_cast<ui::ComboBox*>(&control)) {
    SyncComboItems(*static_cast<QComboBox*>(widget), *combo);
  } else if (auto* list = dynamic_cast<ui::CheckListBox*>(&control)) {
    SyncCheckListItems(*static_cast<CheckListWidget*>(widget), *list);
  } else if (dynamic_cast<ui::TabControl*>(&control) != nullptr) {
    SyncTabPages(control, *static_cast<QTabWidget*>(widget));
  } else if (auto* schemes = dynamic_cast<appearancelib::AppearanceValueSet*>(&control)) {
    SyncSchemeList(*static_cast<QListWidget*>(widget), *schemes);
  } else {
    return;
  }
  ++passes_.item_syncs;
}

void WindowView::SyncAll(ui::Control& control) {
  SyncItems(control);
  SyncControl(control, {});
}

void WindowView::SyncTabPages(ui::Control& control, QTabWidget& tabs) {
  auto& model = static_cast<ui::TabControl&>(control);
  // Pages are never taken away, only hidden: the widgets on them stay where they are.
  while (tabs.count() < model.Tabs()) {
    auto* page = new QWidget;
    page->setObjectName(QString::fromStdString(model.Name()) + QStringLiteral("Page%1").arg(tabs.count()));
    tabs.addTab(page, QString());
  }
  for (int i = 0; i < tabs.count(); ++i) {
    const bool present = i < model.Tabs();
    tabs.setTabVisible(i, present);
    if (!present) continue;
    tabs.setTabText(i, QString::fromStdString(model.TabCaption(i)));
    tabs.setTabEnabled(i, model.TabEnabled(i));
  }
  tabs.setCurrentIndex(model.Tab());
}

void WindowView::ReplaceWidget(ui::Control& control) {
  QWidget* old_widget = WidgetOf(control);
  if (old_widget == nullptr) return;
  QWidget* parent = old_widget->parentWidget();
  QWidget* widget = CreateWidget(control, parent);
  widget->setGeometry(old_widget->geometry());
  if (parent != nullptr && parent->layout() != nullptr) delete parent->layout()->replaceWidget(old_widget, widget);
  widgets_[&control] = widget;
  old_widget->hide();
  old_widget->deleteLater();
  SyncAll(control);
  ArrangeLater(true);
}

}  // namespace prefdesk::ui_qt
