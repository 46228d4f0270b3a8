// The top-level widget of a model window. It leaves every decision to the model: the close
// box, Escape and Enter become requests that the window's view turns into the model's user
// actions (close, the Cancel button, the Default button or the focused button).
#pragma once

#include <QDialog>
#include <functional>

namespace prefdesk::ui_qt {

class ModelDialog : public QDialog {
 public:
  explicit ModelDialog(QWidget* parent = nullptr);

  std::function<void()> OnCloseBox;
  std::function<void()> OnEscape;
  // With the widget that has the focus when Enter is pressed.
  std::function<void(QWidget* focus)> OnEnter;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void reject() override;
};

}  // namespace prefdesk::ui_qt
