// The toolkit model rendered in Qt 6 Widgets. Each loaded window gets a WindowView; a modal
// show runs a real modal loop that ends when the window unloads; message and input boxes are
// QMessageBox and QInputDialog; DoEvents lets Qt process pending events; the update lock
// suspends the painting of the locked window's or control's widget.
//
// Needs the calling thread's QApplication. Host programs make it with MakeQtFrontEnd
// (real_windows.h), which keeps this class and its views out of the installed headers.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/ui/front_end.h"
#include "platform/ui_qt/real_windows.h"
#include "platform/ui_qt/window_view.h"

class QEventLoop;

namespace prefdesk::ui_qt {

class QtFrontEnd : public ui::FrontEnd {
 public:
  // Raises std::logic_error when there is no QApplication. Makes Noto Sans CJK SC the
  // application's font, so message and input boxes show Chinese too.
  explicit QtFrontEnd(PlacementPolicy policy = PlacementPolicy::Automatic);
  ~QtFrontEnd() override;
  QtFrontEnd(const QtFrontEnd&) = delete;
  QtFrontEnd& operator=(const QtFrontEnd&) = delete;

  // What the hook and the language source are: real_windows.h.
  void SetShownHook(ShownHook hook) { shown_hook_ = std::move(hook); }
  void SetLanguage(LanguageSource source) { language_ = std::move(source); }

  // The dialog of a loaded window, or a control's widget; nullptr when there is none.
  QWidget* WidgetOf(const ui::Window& window) const;
  QWidget* WidgetOf(const ui::Control& control) const;
  // The passes of a loaded window's view; all zero when it has none.
  WindowView::Passes PassCount(const ui::Window& window) const;

  // FrontEnd
  void RunModal(ui::Window& window) override;
  int MsgBox(const std::string& prompt, int style, const std::string& title) override;
  std::string InputBox(const std::string& prompt, const std::string& title,
                       const std::string& default_text) override;
  void Beep() override;
  void DoEvents() override;
  int LockWindowUpdate(ui::WindowHandle handle) override;
  void WindowLoaded(ui::Window& window) override;
  void WindowShown(ui::Window& window, bool modal) override;
  void WindowClosed(ui::Window& window) override;
  void WindowChanged(ui::Window& window, std::string_view property) override;
  void ControlAdded(ui::Control& control) override;
  void ControlChanged(ui::Control& control, std::string_view property) override;
  void ItemsChanged(ui::Control& control) override;

 private:
  WindowView* ViewOf(const ui::Window* window) const;
  WindowView& EnsureView(ui::Window& window);
  // The window on screen that a new one opens over: the last one shown.
  QWidget* Topmost(const ui::Window* besides) const;
  // Runs a Qt dialog's own loop with the shown hook.
  int ExecWithHook(QDialog& dialog);
  // Ends the batch of changes of every window, before something new shows or paints.
  void FlushAll();

  PlacementPolicy policy_;
  std::map<const ui::Window*, std::shared_ptr<WindowView>> views_;
  std::vector<const ui::Window*> shown_order_;
  std::map<const ui::Window*, QEventLoop*> loops_;
  ui::WindowHandle locked_handle_ = 0;
  QPointer<QWidget> locked_widget_;
  ShownHook shown_hook_;
  LanguageSource language_;
};

}  // namespace prefdesk::ui_qt
