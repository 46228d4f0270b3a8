// The Qt widget of the appearance preview: a small sample of the current scheme (a column
// bar title, a list title, a grid with its title, plain, alternating, selected and link rows)
// in the scheme's colours. Without a scheme it is an empty sunken frame.
#pragma once

#include <QColor>
#include <QFrame>
#include <map>
#include <string>

namespace prefdesk::appearancelib { class Appearance; }

namespace prefdesk::ui_qt {

class SchemePreview : public QFrame {
 public:
  explicit SchemePreview(QWidget* parent = nullptr);

  // Takes the colours of the control's current scheme.
  void ShowScheme(const appearancelib::Appearance& model);

  // Room for the whole sample.
  QSize minimumSizeHint() const override;
  QSize sizeHint() const override { return minimumSizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // A colour of the scheme; `fallback` where the scheme has none or a system colour.
  QColor Colour(const std::string& name, const QColor& fallback) const;

  int RowHeight() const { return fontMetrics().height() + 8; }
  static constexpr int kPad = 6;
  static constexpr int kRows = 7;

  bool has_scheme_ = false;
  std::map<std::string, QColor> colours_;
};

}  // namespace prefdesk::ui_qt
