// Widths of texts in a font, each text measured once per font: fitting a window measures the
// items of its lists, and a catalogue repeats the same names in several lists.
#pragma once

#include <QFont>
#include <QHash>
#include <QString>
#include <algorithm>

namespace prefdesk::ui_qt {

class TextWidths {
 public:
  // The advance of `text` in `font`, in pixels.
  int Of(const QFont& font, const QString& text);
  // The widest of the texts given by `text(i)` for i in [0, count).
  template <typename TextAt>
  int Widest(const QFont& font, int count, TextAt text) {
    QHash<QString, int>& widths = by_font_[font.key()];
    int widest = 0;
    for (int i = 0; i < count; ++i) widest = std::max(widest, Of(font, widths, text(i)));
    return widest;
  }

 private:
  static int Of(const QFont& font, QHash<QString, int>& widths, const QString& text);

  QHash<QString, QHash<QString, int>> by_font_;  // by QFont::key()
};

}  // namespace prefdesk::ui_qt
