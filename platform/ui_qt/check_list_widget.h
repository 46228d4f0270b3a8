// A list widget with a check box per item whose clicks go to the model instead of Qt: a click
// on an item's box asks for a toggle, a click on its text for a pick, Space toggles the current
// item. The widget itself changes neither the current item nor a mark on a click; the model
// decides and the view mirrors it back.
#pragma once

#include <QListWidget>
#include <QRect>
#include <functional>

namespace prefdesk::ui_qt {

class CheckListWidget : public QListWidget {
  Q_OBJECT

 public:
  explicit CheckListWidget(QWidget* parent = nullptr);

  // Where the check box of a row is drawn, in viewport coordinates; empty for a row that
  // does not exist.
  QRect CheckBoxRect(int row) const;

  // Shows a row with its mark.
  void SetRow(int row, const QString& text, bool checked);

  // Laid out, a list shows its rows, at least kMinRows and at most kMaxRows of them.
  QSize sizeHint() const override;
  static constexpr int kMinRows = 8;
  static constexpr int kMaxRows = 14;

  std::function<void(int row)> OnToggle;
  std::function<void(int row)> OnPick;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace prefdesk::ui_qt
