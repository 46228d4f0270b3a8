#include "platform/ui_qt/move_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace prefdesk::ui_qt {
namespace {

enum class Way { Top, Up, Down, Bottom };

bool EndsWith(std::string_view text, std::string_view tail) {
  return text.size() > tail.size() && text.substr(text.size() - tail.size()) == tail;
}

QPixmap Draw(Way way, const QColor& colour) {
  constexpr int kSize = 16;
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  const bool up = way == Way::Top || way == Way::Up;
  // The triangle, pointing up, in the middle; mirrored for down.
  QPainterPath triangle;
  triangle.moveTo(8, 4);
  triangle.lineTo(14, 11);
  triangle.lineTo(2, 11);
  triangle.closeSubpath();
  if (!up) painter.setTransform(QTransform(1, 0, 0, -1, 0, kSize));
  painter.drawPath(triangle);
  if (way == Way::Top || way == Way::Bottom) painter.drawRect(QRectF(2, 1, 12, 2));
  return pixmap;
}

}  // namespace

QIcon MoveIcon(std::string_view button_name) {
  Way way;
  if (EndsWith(button_name, "Top")) {
    way = Way::Top;
  } else if (EndsWith(button_name, "Up")) {
    way = Way::Up;
  } else if (EndsWith(button_name, "Down")) {
    way = Way::Down;
  } else if (EndsWith(button_name, "Bottom")) {
    way = Way::Bottom;
  } else {
    return {};
  }
  QIcon icon;
  icon.addPixmap(Draw(way, QColor(0x30, 0x30, 0x30)), QIcon::Normal);
  icon.addPixmap(Draw(way, QColor(0xa0, 0xa0, 0xa0)), QIcon::Disabled);
  return icon;
}

}  // namespace prefdesk::ui_qt
