#include "platform/ui_qt/qt_front_end.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <stdexcept>

#include "platform/ui/toolkit.h"
#include "platform/ui/window.h"
#include "platform/ui_qt/fonts.h"

namespace prefdesk::ui_qt {

QtFrontEnd::QtFrontEnd(PlacementPolicy policy) : policy_(policy) {
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
    throw std::logic_error("The Qt front end needs a QApplication");
  }
  QApplication::setFont(ToQFont(ui::FontSpec{"", kMinimumPointSize, false}));
}

QtFrontEnd::~QtFrontEnd() {
  if (locked_widget_) locked_widget_->setUpdatesEnabled(true);
  for (const auto& [window, loop] : loops_) loop->quit();
}

WindowView* QtFrontEnd::ViewOf(const ui::Window* window) const {
  const auto found = views_.find(window);
  return found == views_.end() ? nullptr : found->second.get();
}

WindowView& QtFrontEnd::EnsureView(ui::Window& window) {
  if (WindowView* view = ViewOf(&window)) return *view;
  auto view = WindowView::Create(window, policy_);
  WindowView& created = *view;
  views_[&window] = std::move(view);
  return created;
}

QWidget* QtFrontEnd::WidgetOf(const ui::Window& window) const {
  const WindowView* view = ViewOf(&window);
  return view == nullptr ? nullptr : &view->Widget();
}

WindowView::Passes QtFrontEnd::PassCount(const ui::Window& window) const {
  const WindowView* view = ViewOf(&window);
  return view == nullptr ? WindowView::Passes{} : view->PassCount();
}

QWidget* QtFrontEnd::WidgetOf(const ui::Control& control) const {
  const WindowView* view = ViewOf(control.Owner());
  return view == nullptr ? nullptr : view->WidgetOf(control);
}

QWidget* QtFrontEnd::Topmost(const ui::Window* besides) const {
  for (auto it = shown_order_.rbegin(); it != shown_order_.rend(); ++it) {
    if (*it == besides) continue;
    if (const WindowView* view = ViewOf(*it); view != nullptr && view->Widget().isVisible()) return &view->Widget();
  }
  return QApplication::activeWindow();
}

void QtFrontEnd::RunModal(ui::Window& window) {
  if (!window.IsLoaded()) return;
  WindowView& view = EnsureView(window);
  QEventLoop loop;
  loops_[&window] = &loop;
  if (shown_hook_) {
    QTimer::singleShot(0, &loop, [this, &window, widget = QPointer<QWidget>(&view.Widget())] {
      if (widget && window.IsLoaded() && shown_hook_) shown_hook_(*widget, &window);
    });
  }
  // WindowClosed ends the loop; the window may also have closed before it started.
  if (window.IsLoaded()) loop.exec(QEventLoop::DialogExec);
  loops_.erase(&window);
}

void QtFrontEnd::Beep() { QApplication::beep(); }

void QtFrontEnd::DoEvents() {
  FlushAll();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtFrontEnd::FlushAll() {
  // A flush runs no model code, so the views stay as they are meanwhile.
  for (const auto& [window, view] : views_) view->Flush();
}

int QtFrontEnd::LockWindowUpdate(ui::WindowHandle handle) {
  if (handle == 0) {
    if (locked_handle_ == 0) return 0;
    if (locked_widget_) locked_widget_->setUpdatesEnabled(true);
    locked_widget_ = nullptr;
    locked_handle_ = 0;
    return 1;
  }
  const ui::Toolkit& toolkit = ui::Toolkit::Current();
  if (locked_handle_ != 0 || (toolkit.FindControl(handle) == nullptr && toolkit.FindWindow(handle) == nullptr)) {
    return 0;
  }
  locked_handle_ = handle;
  for (const auto& [window, view] : views_) {
    if (QWidget* widget = view->WidgetOf(handle)) locked_widget_ = widget;
  }
  if (locked_widget_) locked_widget_->setUpdatesEnabled(false);
  return 1;
}

void QtFrontEnd::WindowLoaded(ui::Window& window) { EnsureView(window); }

void QtFrontEnd::WindowShown(ui::Window& window, bool modal) {
  FlushAll();
  WindowView& view = EnsureView(window);
  std::erase(shown_order_, &window);
  shown_order_.push_back(&window);
  view.Show(modal, Topmost(&window));
}

void QtFrontEnd::WindowClosed(ui::Window& window) {
  if (const auto loop = loops_.find(&window); loop != loops_.end()) loop->second->quit();
  std::erase(shown_order_, &window);
  // Taken out of the map first: the view's end may run code that looks views up.
  const auto found = views_.find(&window);
  if (found == views_.end()) return;
  const std::shared_ptr<WindowView> view = std::move(found->second);
  views_.erase(found);
}

void QtFrontEnd::WindowChanged(ui::Window& window, std::string_view property) {
  if (WindowView* view = ViewOf(&window)) view->WindowChanged(property);
}

void QtFrontEnd::ControlAdded(ui::Control& control) {
  if (WindowView* view = ViewOf(control.Owner())) view->AddControl(control);
}

void QtFrontEnd::ControlChanged(ui::Control& control, std::string_view property) {
  if (WindowView* view = ViewOf(control.Owner())) view->ControlChanged(control, property);
}

void QtFrontEnd::ItemsChanged(ui::Control& control) {
  if (WindowView* view = ViewOf(control.Owner())) view->ItemsChanged(control);
}

int QtFrontEnd::ExecWithHook(QDialog& dialog) {
  FlushAll();
  if (shown_hook_) {
    QTimer::singleShot(0, &dialog, [this, &dialog] {
      if (shown_hook_ && dialog.isVisible()) shown_hook_(dialog, nullptr);
    });
  }
  return dialog.exec();
}

}  // namespace prefdesk::ui_qt
