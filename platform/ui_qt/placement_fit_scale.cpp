// Scaling the model's boxes until every text fits.
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <cmath>
#include <map>

#include "platform/ui_qt/check_list_widget.h"
#include "platform/ui_qt/placement.h"

namespace prefdesk::ui_qt {
namespace {

// What a widget's content needs; 0 where it sets no bound.
QSize Needed(const QWidget& widget, TextWidths& widths) {
  const QFontMetrics metrics(widget.font());
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
    return label->text().isEmpty() ? QSize() : label->sizeHint();
  }
  if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
    if (button->text().isEmpty()) return {};
    return {widths.Of(button->font(), button->text().remove(u'&')) + 16, metrics.height() + 6};
  }
  if (const auto* frame = qobject_cast<const QGroupBox*>(&widget)) {
    return frame->title().isEmpty() ? QSize() : QSize(widths.Of(frame->font(), frame->title()) + 24, 0);
  }
  if (const auto* combo = qobject_cast<const QComboBox*>(&widget)) {
    return {ComboContentWidth(*combo, widths), combo->sizeHint().height()};
  }
  if (const auto* line = qobject_cast<const QLineEdit*>(&widget)) return {0, line->sizeHint().height()};
  if (const auto* list = qobject_cast<const CheckListWidget*>(&widget)) {
    const int widest = widths.Widest(list->font(), list->count(), [list](int row) { return list->item(row)->text(); });
    if (widest == 0) return {};
    const int indicator = list->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, list);
    const int scroll_bar = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    return {widest + indicator + scroll_bar + 2 * list->frameWidth() + 16, 0};
  }
  if (const auto* tabs = qobject_cast<const QTabWidget*>(&widget)) {
    return {tabs->tabBar()->sizeHint().width() + 8, 0};
  }
  return {};
}

// The height of what a container draws above its controls: a frame's title, a tab control's
// tabs (the controls of a page are placed relative to the tab control).
int HeaderHeight(const QWidget& container) {
  if (const auto* frame = qobject_cast<const QGroupBox*>(&container)) {
    return frame->title().isEmpty() ? 0 : QFontMetrics(frame->font()).height() + 2;
  }
  if (const auto* tabs = qobject_cast<const QTabWidget*>(&container)) {
    return tabs->tabBar()->sizeHint().height() + 6;
  }
  return 0;
}

double Ratio(int needed, int available) {
  return needed > 0 && available > 0 ? static_cast<double>(needed) / available : 1.0;
}

}  // namespace

int ComboContentWidth(const QComboBox& combo, TextWidths& widths) {
  const QFontMetrics metrics(combo.font());
  const int widest = widths.Widest(combo.font(), combo.count(), [&combo](int i) { return combo.itemText(i); });
  QStyleOptionComboBox option;
  option.initFrom(&combo);
  option.editable = combo.isEditable();
  return combo.style()->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(widest, metrics.height()), &combo).width();
}

Scale FitScale(const std::vector<Member>& members, TextWidths& widths) {
  std::map<const ui::Control*, const QWidget*> widget_of;
  for (const Member& m : members) widget_of[m.control] = m.widget;
  Scale scale;
  for (const Member& m : members) {
    const ui::Rect box = m.control->Bounds();
    const QSize needed = Needed(*m.widget, widths);
    scale.x = std::max(scale.x, Ratio(needed.width(), box.width));
    scale.y = std::max(scale.y, Ratio(needed.height(), box.height));
    const auto container = widget_of.find(m.control->Where().parent);
    if (container != widget_of.end()) {
      scale.y = std::max(scale.y, Ratio(HeaderHeight(*container->second), box.top));
    }
  }
  scale.x = std::min(scale.x, kMaxScale);
  scale.y = std::min(scale.y, kMaxScale);
  return scale;
}

QRect Scaled(const ui::Rect& box, Scale scale) {
  const auto x = [&](int v) { return static_cast<int>(std::lround(v * scale.x)); };
  const auto y = [&](int v) { return static_cast<int>(std::lround(v * scale.y)); };
  const int left = x(box.left);
  const int top = y(box.top);
  return {left, top, x(box.left + box.width) - left, y(box.top + box.height) - top};
}

QSize ClientSize(const std::vector<QRect>& boxes) {
  if (boxes.empty()) return {};
  int left = boxes.front().left();
  int top = boxes.front().top();
  int right = 0;
  int bottom = 0;
  for (const QRect& box : boxes) {
    left = std::min(left, box.left());
    top = std::min(top, box.top());
    right = std::max(right, box.x() + box.width());
    bottom = std::max(bottom, box.y() + box.height());
  }
  return {right + std::max(left, 0), bottom + std::max(top, 0)};
}

}  // namespace prefdesk::ui_qt
