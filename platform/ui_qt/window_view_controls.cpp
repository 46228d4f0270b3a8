// The widget of each kind of control, and a person's input on it as the model's user action.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>

#include "platform/appearancelib/appearance_value_set.h"
#include "platform/ui/check_list_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/simple_controls.h"
#include "platform/ui/tab_control.h"
#include "platform/ui/text_box.h"
#include "platform/ui_qt/check_list_widget.h"
#include "platform/ui_qt/scheme_preview.h"
#include "platform/ui_qt/window_view.h"

namespace prefdesk::ui_qt {
namespace {

std::string FromWidgetText(const QString& text) {
  // Line breaks of the model's texts are CR LF.
  return QString(text).replace(u'\n', QStringLiteral("\r\n")).toStdString();
}

}  // namespace

template <typename Action>
void WindowView::Act(const std::weak_ptr<WindowView>& weak, ui::Control& control, Action action) {
  {
    const auto view = weak.lock();
    if (view == nullptr || view->syncing_ > 0) return;
  }
  // No hold on the view while the model runs: the action may unload the window.
  action();
  if (const auto view = weak.lock()) {
    view->Flush();
    view->SyncControl(control, {});
  }
}

QWidget* WindowView::CreateWidget(ui::Control& control, QWidget* parent) {
  QWidget* widget = nullptr;
  switch (control.Kind()) {
    case ui::ControlKind::Label: {
      auto* label = new QLabel(parent);
      label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
      widget = label;
      break;
    }
    case ui::ControlKind::Frame:
      widget = new QGroupBox(parent);
      break;
    case ui::ControlKind::CommandButton:
      widget = new QPushButton(parent);
      WireButton(control, widget);
      break;
    case ui::ControlKind::TextBox:
      if (static_cast<ui::TextBox&>(control).MultiLine()) {
        widget = new QPlainTextEdit(parent);
      } else {
        widget = new QLineEdit(parent);
      }
      WireTextBox(control, widget);
      break;
    case ui::ControlKind::ComboBox: {
      // The width comes from the placement (see ComboContentWidth), never from the combo box
      // resizing itself after a refill, nor from Qt measuring every item for its size hint.
      auto* combo = new QComboBox(parent);
      combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
      widget = combo;
      WireComboBox(control, widget);
      break;
    }
    case ui::ControlKind::CheckListBox:
      widget = new CheckListWidget(parent);
      WireCheckList(control, widget);
      break;
    case ui::ControlKind::TabControl: {
      auto* tabs = new QTabWidget(parent);
      // Every tab in sight: the tab bar's full width counts in the window's size.
      tabs->setUsesScrollButtons(false);
      tabs->setElideMode(Qt::ElideNone);
      widget = tabs;
      WireTabs(control, widget);
      break;
    }
    case ui::ControlKind::ProgressBar: {
      auto* bar = new QProgressBar(parent);
      bar->setTextVisible(false);
      widget = bar;
      break;
    }
    case ui::ControlKind::PictureBox: {
      auto* picture = new QLabel(parent);
      picture->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
      picture->setAlignment(Qt::AlignCenter);
      widget = picture;
      break;
    }
    case ui::ControlKind::Custom: {
      if (dynamic_cast<appearancelib::AppearanceValueSet*>(&control) != nullptr) {
        // The schemes to choose from; the values of the chosen one have no widget yet.
        widget = new QListWidget(parent);
        WireSchemeList(control, widget);
        break;
      }
      if (dynamic_cast<appearancelib::Appearance*>(&control) != nullptr) {
        widget = new SchemePreview(parent);
        break;
      }
      auto* frame = new QFrame(parent);
      frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
      widget = frame;
      break;
    }
  }
  widget->setObjectName(QString::fromStdString(control.Name()));
  return widget;
}

void WindowView::WireButton(ui::Control& control, QWidget* widget) {
  auto* button = static_cast<QPushButton*>(widget);
  // Enter is the model's business (see ModelDialog), not Qt's focus-follows default.
  button->setAutoDefault(false);
  auto& model = static_cast<ui::CommandButton&>(control);
  QObject::connect(button, &QPushButton::clicked, button, [weak = weak_from_this(), &model] {
    Act(weak, model, [&model] { model.UserClick(); });
  });
}

void WindowView::WireTextBox(ui::Control& control, QWidget* widget) {
  auto& model = static_cast<ui::TextBox&>(control);
  // A person's edit puts the whole new text at once: one Change per edit.
  const auto edit = [weak = weak_from_this(), &model](const std::string& text) {
    Act(weak, model, [&model, &text] {
      if (!model.Locked() && model.IsUsable()) model.SetText(text);
    });
  };
  if (auto* line = qobject_cast<QLineEdit*>(widget)) {
    QObject::connect(line, &QLineEdit::textEdited, line,
                     [edit](const QString& text) { edit(text.toStdString()); });
  } else if (auto* area = qobject_cast<QPlainTextEdit*>(widget)) {
    QObject::connect(area, &QPlainTextEdit::textChanged, area,
                     [edit, area] { edit(FromWidgetText(area->toPlainText())); });
  }
}

void WindowView::WireComboBox(ui::Control& control, QWidget* widget) {
  auto* combo = static_cast<QComboBox*>(widget);
  auto& model = static_cast<ui::ComboBox&>(control);
  QObject::connect(combo, &QComboBox::currentIndexChanged, combo, [weak = weak_from_this(), &model](int index) {
    Act(weak, model, [&model, index] { model.UserSelect(index); });
  });
}

void WindowView::WireCheckList(ui::Control& control, QWidget* widget) {
  auto* list = static_cast<CheckListWidget*>(widget);
  auto& model = static_cast<ui::CheckListBox&>(control);
  const auto pick = [weak = weak_from_this(), &model](int row) {
    Act(weak, model, [&model, row] { model.UserSelect(row); });
  };
  list->OnPick = pick;
  list->OnToggle = [weak = weak_from_this(), &model](int row) {
    Act(weak, model, [&model, row] { model.UserToggleCheck(row); });
  };
  // The arrow keys move the current row in the widget first.
  QObject::connect(list, &QListWidget::currentRowChanged, list, pick);
}

void WindowView::WireSchemeList(ui::Control& control, QWidget* widget) {
  auto* list = static_cast<QListWidget*>(widget);
  auto& model = static_cast<appearancelib::AppearanceValueSet&>(control);
  QObject::connect(list, &QListWidget::currentRowChanged, list, [weak = weak_from_this(), &model](int row) {
    Act(weak, model, [&model, row] { model.UserSelectScheme(row); });
  });
}

void WindowView::WireTabs(ui::Control& control, QWidget* widget) {
  auto* tabs = static_cast<QTabWidget*>(widget);
  auto& model = static_cast<ui::TabControl&>(control);
  QObject::connect(tabs, &QTabWidget::currentChanged, tabs, [weak = weak_from_this(), &model](int index) {
    Act(weak, model, [&model, index] { model.UserSelectTab(index); });
  });
}

void WindowView::WireDialog() {
  const std::weak_ptr<WindowView> weak = weak_from_this();
  // A window-level request: nothing while mirroring, no hold on the view while the model runs.
  const auto window_of = [weak]() -> ui::Window* {
    const auto view = weak.lock();
    return view == nullptr || view->syncing_ > 0 ? nullptr : &view->window_;
  };
  dialog_->OnCloseBox = [window_of] {
    if (ui::Window* window = window_of()) window->UserClose();
  };
  dialog_->OnEscape = [window_of] {
    ui::Window* window = window_of();
    if (window == nullptr) return;
    if (ui::CommandButton* cancel = window->CancelButton()) cancel->UserClick();
  };
  dialog_->OnEnter = [weak, window_of](QWidget* focus) {
    ui::Window* window = window_of();
    if (window == nullptr) return;
    ui::CommandButton* target = window->DefaultButton();
    if (const auto view = weak.lock(); view != nullptr && qobject_cast<QPushButton*>(focus) != nullptr) {
      for (const auto& control : window->Controls()) {
        if (view->WidgetOf(*control) == focus) target = dynamic_cast<ui::CommandButton*>(control.get());
      }
    }
    if (target != nullptr) target->UserClick();
  };
}

}  // namespace prefdesk::ui_qt
