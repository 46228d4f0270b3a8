#include "platform/ui_qt/text_widths.h"

#include <QFontMetrics>

namespace prefdesk::ui_qt {

int TextWidths::Of(const QFont& font, const QString& text) { return Of(font, by_font_[font.key()], text); }

int TextWidths::Of(const QFont& font, QHash<QString, int>& widths, const QString& text) {
  const auto found = widths.constFind(text);
  if (found != widths.constEnd()) return *found;
  const int width = QFontMetrics(font).horizontalAdvance(text);
  widths.insert(text, width);
  return width;
}

}  // namespace prefdesk::ui_qt
