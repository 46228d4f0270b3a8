#include "platform/ui_qt/model_dialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>

namespace prefdesk::ui_qt {

ModelDialog::ModelDialog(QWidget* parent) : QDialog(parent) {
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void ModelDialog::closeEvent(QCloseEvent* event) {
  // The window goes away when the model unloads it, not before.
  event->ignore();
  if (OnCloseBox) OnCloseBox();
}

void ModelDialog::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    if (OnEnter) OnEnter(QApplication::focusWidget());
    return;
  }
  QDialog::keyPressEvent(event);
}

void ModelDialog::reject() {
  if (OnEscape) OnEscape();
}

}  // namespace prefdesk::ui_qt
