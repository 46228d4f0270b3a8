#include "platform/ui_qt/scheme_preview.h"

#include <QPainter>

#include "platform/appearancelib/appearance_control.h"
#include "platform/appearancelib/scheme.h"
#include "platform/automation/conversions.h"

namespace prefdesk::ui_qt {
namespace {

constexpr const char* kColourColumns[] = {
    "ColorFormBack",         "ColorTitleBackgroundColumnbar",  "ColorTitleTextColumnbar",
    "ColorListBackgroundColumnbar", "ColorListTextColumnbar", "ColorTitleGrid",
    "ColorTitleTextGrid",    "ColorBackgroundGrid",            "ColorAlternatingBackgroundGrid",
    "ColorNormalTextGrid",   "ColorRowSelectionGrid",          "ColorHyperLinkGrid",
};

// A colour value of the platform: 0x00BBGGRR; values with the high bit set name system colours.
bool ToColour(const automation::Variant& value, QColor& colour) {
  if (value.IsEmptyOrNull()) return false;
  const int32_t bgr = automation::CLng(value);
  if (bgr < 0) return false;
  colour = QColor(bgr & 0xff, (bgr >> 8) & 0xff, (bgr >> 16) & 0xff);
  return true;
}

}  // namespace

SchemePreview::SchemePreview(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
}

void SchemePreview::ShowScheme(const appearancelib::Appearance& model) {
  colours_.clear();
  has_scheme_ = model.CurrentScheme() != nullptr;
  if (has_scheme_) {
    for (const char* column : kColourColumns) {
      QColor colour;
      if (ToColour(model.ShownValue(column), colour)) colours_[column] = colour;
    }
  }
  update();
}

QSize SchemePreview::minimumSizeHint() const {
  const int frame = 2 * frameWidth() + 2;
  return {fontMetrics().horizontalAdvance(QStringLiteral("Aa 字")) * 3 + frame, kRows * RowHeight() + 3 * kPad + frame};
}

QColor SchemePreview::Colour(const std::string& name, const QColor& fallback) const {
  const auto found = colours_.find(name);
  return found == colours_.end() ? fallback : found->second;
}

void SchemePreview::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  if (!has_scheme_) return;
  const QPalette& pal = palette();
  QPainter painter(this);
  const QRect area = contentsRect().adjusted(1, 1, -1, -1);
  painter.fillRect(area, Colour("ColorFormBack", pal.window().color()));
  const int row = RowHeight();
  const int pad = kPad;
  QRect band(area.left() + pad, area.top() + pad, area.width() - 2 * pad, row);
  const auto draw_band = [&](const char* back, const char* text, const QColor& back_default,
                             const QColor& text_default, const QString& caption, bool underline) {
    painter.fillRect(band, Colour(back, back_default));
    QFont font = painter.font();
    font.setUnderline(underline);
    painter.setFont(font);
    painter.setPen(Colour(text, text_default));
    painter.drawText(band.adjusted(pad, 0, -pad, 0), Qt::AlignVCenter | Qt::AlignLeft, caption);
    band.translate(0, row);
  };
  // The column bar: a title and one of its lists.
  draw_band("ColorTitleBackgroundColumnbar", "ColorTitleTextColumnbar", pal.button().color(),
            pal.buttonText().color(), QStringLiteral("Aa 字"), false);
  draw_band("ColorListBackgroundColumnbar", "ColorListTextColumnbar", pal.base().color(), pal.text().color(),
            QStringLiteral("Aa 字"), false);
  band.translate(0, pad);
  // The grid: its title, then plain, alternating, selected and link rows.
  draw_band("ColorTitleGrid", "ColorTitleTextGrid", pal.button().color(), pal.buttonText().color(),
            QStringLiteral("Aa 字"), false);
  const QColor plain = Colour("ColorBackgroundGrid", pal.base().color());
  draw_band("ColorBackgroundGrid", "ColorNormalTextGrid", plain, pal.text().color(), QStringLiteral("Aa 字"), false);
  draw_band("ColorAlternatingBackgroundGrid", "ColorNormalTextGrid", plain, pal.text().color(),
            QStringLiteral("Aa 字"), false);
  draw_band("ColorRowSelectionGrid", "ColorNormalTextGrid", pal.highlight().color(), pal.text().color(),
            QStringLiteral("Aa 字"), false);
  draw_band("ColorBackgroundGrid", "ColorHyperLinkGrid", plain, pal.link().color(), QStringLiteral("Aa 字"), true);
}

}  // namespace prefdesk::ui_qt
