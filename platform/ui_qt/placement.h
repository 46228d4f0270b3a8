// Where the widgets of a window go. Two ways:
// - by the model's boxes, scaled by one factor per direction that makes every text fit its
//   box (a form designed for a small Latin font shows Chinese at a readable size, and
//   controls keep their relative places, so none overlaps another that did not before);
// - by Qt layouts per container, for windows whose controls have no boxes: labels beside
//   their fields, frames as group boxes, check lists with their buttons beside them, the
//   window's command buttons at the bottom right.
#pragma once

#include <QRect>
#include <QWidget>
#include <vector>

#include "platform/ui/control.h"
#include "platform/ui_qt/text_widths.h"

class QComboBox;

namespace prefdesk::ui_qt {

// A control with its widget, in the order the window created them.
struct Member {
  ui::Control* control = nullptr;
  QWidget* widget = nullptr;
};

struct Scale {
  double x = 1.0;
  double y = 1.0;
};

// Factors (1 to kMaxScale) that make the content of every widget fit the scaled model box of
// its control; `members` are all controls of the window with widgets that show their
// current texts and fonts.
inline constexpr double kMaxScale = 2.0;
Scale FitScale(const std::vector<Member>& members, TextWidths& widths);

// The box scaled; neighbouring boxes stay neighbours.
QRect Scaled(const ui::Rect& box, Scale scale);

// The size a window needs for its direct controls' boxes: their extent plus, right and
// below, the margin they keep left and above.
QSize ClientSize(const std::vector<QRect>& boxes);

// The width a combo box needs to show its widest item with its arrow.
int ComboContentWidth(const QComboBox& combo, TextWidths& widths);

// Lays out the members of one container (their widgets are children of `container`).
// `window_level` collects the command buttons into a row at the bottom right.
void LayOutContainer(QWidget& container, const std::vector<Member>& members, bool window_level);

}  // namespace prefdesk::ui_qt
