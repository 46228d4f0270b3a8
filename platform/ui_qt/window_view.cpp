#include "platform/ui_qt/window_view.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace prefdesk::ui_qt {

std::shared_ptr<WindowView> WindowView::Create(ui::Window& window, PlacementPolicy policy) {
  std::shared_ptr<WindowView> view(new WindowView(window, policy));
  view->WireDialog();
  view->SyncWindow({});
  for (const auto& control : window.Controls()) view->AddControl(*control);
  return view;
}

WindowView::WindowView(ui::Window& window, PlacementPolicy policy)
    : window_(window), policy_(policy), dialog_(new ModelDialog) {
  dialog_->setObjectName(QString::fromStdString(window.Name()));
}

WindowView::~WindowView() {
  if (!dialog_) return;
  dialog_->hide();
  // The view may go away inside a signal of one of its widgets.
  dialog_->deleteLater();
}

QWidget* WindowView::WidgetOf(const ui::Control& control) const {
  const auto found = widgets_.find(&control);
  return found == widgets_.end() ? nullptr : found->second.data();
}

QWidget* WindowView::WidgetOf(ui::WindowHandle handle) const {
  if (handle == window_.Handle()) return dialog_;
  for (const auto& [control, widget] : widgets_) {
    if (control->Handle() == handle) return widget;
  }
  return nullptr;
}

bool WindowView::UsesModelBoxes() const {
  if (policy_ == PlacementPolicy::Layouts) return false;
  const ui::Rect bounds = window_.Bounds();
  if (bounds.width <= 0 || bounds.height <= 0) return false;
  for (const auto& control : window_.Controls()) {
    if (control->Bounds().width <= 0 || control->Bounds().height <= 0) return false;
  }
  return true;
}

void WindowView::AddControl(ui::Control& control) {
  if (widgets_.count(&control) != 0) return;
  QWidget* parent = ContainerWidget(control.Where());
  QWidget* widget = CreateWidget(control, parent != nullptr ? parent : dialog_.data());
  widgets_[&control] = widget;
  SyncAll(control);
  ArrangeLater(true);
}

void WindowView::WindowChanged(std::string_view property) {
  SyncWindow(property);
  if (property == ui::prop::kBounds) ArrangeLater(false);
}

void WindowView::ControlChanged(ui::Control& control, std::string_view property) {
  if (property == "MultiLine") {
    ReplaceWidget(control);
    return;
  }
  if (property == ui::prop::kBounds) ArrangeLater(false);
  // A list whose items wait for the end of the batch is mirrored whole then.
  if (std::find(items_pending_.begin(), items_pending_.end(), &control) != items_pending_.end()) return;
  SyncControl(control, property);
}

void WindowView::ItemsChanged(ui::Control& control) {
  if (std::find(items_pending_.begin(), items_pending_.end(), &control) == items_pending_.end()) {
    items_pending_.push_back(&control);
  }
  FlushLater();
}

void WindowView::FlushLater() {
  if (flush_queued_ || !dialog_ || !dialog_->isVisible()) return;
  flush_queued_ = true;
  QMetaObject::invokeMethod(
      dialog_.data(),
      [weak = weak_from_this()] {
        if (const auto view = weak.lock()) view->Flush();
      },
      Qt::QueuedConnection);
}

void WindowView::Flush() {
  flush_queued_ = false;
  if (!dialog_) return;
  std::vector<ui::Control*> pending;
  pending.swap(items_pending_);
  for (ui::Control* control : pending) SyncAll(*control);
  if (arrange_pending_) Arrange();
}

void WindowView::Show(bool modal, const QWidget* over) {
  Flush();
  Arrange();
  dialog_->setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
  QRect area;
  if (over != nullptr) {
    area = over->frameGeometry();
  } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    area = screen->availableGeometry();
  }
  if (area.isValid()) dialog_->move(area.center() - dialog_->rect().center());
  dialog_->show();
  // A tab control sets up its pages when shown; their controls are placed after that.
  if (UsesModelBoxes()) PlaceByModelBoxes();
  dialog_->raise();
  dialog_->activateWindow();
}

}  // namespace prefdesk::ui_qt
