#include "platform/ui_qt/check_list_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <algorithm>

namespace prefdesk::ui_qt {

CheckListWidget::CheckListWidget(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
}

QRect CheckListWidget::CheckBoxRect(int row) const {
  const QModelIndex index = model()->index(row, 0);
  if (!index.isValid()) return {};
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  option.rect = visualRect(index);
  option.index = index;
  option.text = index.data().toString();
  option.features |= QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
  return style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, this);
}

void CheckListWidget::SetRow(int row, const QString& text, bool checked) {
  QListWidgetItem* it = item(row);
  if (it == nullptr) {
    it = new QListWidgetItem(this);
    updateGeometry();
    // Not user-checkable: the box is drawn from the check state, and clicks go to the model.
    it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  }
  if (it->text() != text) it->setText(text);
  const Qt::CheckState state = checked ? Qt::Checked : Qt::Unchecked;
  if (it->data(Qt::CheckStateRole) != QVariant(state)) it->setCheckState(state);
}

QSize CheckListWidget::sizeHint() const {
  QSize hint = QListWidget::sizeHint();
  const int row_height = count() > 0 ? sizeHintForRow(0) : fontMetrics().height() + 4;
  hint.setHeight(std::clamp(count(), kMinRows, kMaxRows) * row_height + 2 * frameWidth());
  return hint;
}

void CheckListWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  setFocus(Qt::MouseFocusReason);
  const QPoint at = event->position().toPoint();
  const int row = indexAt(at).row();
  if (row < 0) return;
  if (CheckBoxRect(row).contains(at)) {
    if (OnToggle) OnToggle(row);
  } else if (OnPick) {
    OnPick(row);
  }
}

void CheckListWidget::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void CheckListWidget::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() == Qt::NoButton) QListWidget::mouseMoveEvent(event);
}

void CheckListWidget::mouseReleaseEvent(QMouseEvent*) {}

void CheckListWidget::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
    if (currentRow() >= 0 && OnToggle) OnToggle(currentRow());
    return;
  }
  QListWidget::keyPressEvent(event);
}

}  // namespace prefdesk::ui_qt
