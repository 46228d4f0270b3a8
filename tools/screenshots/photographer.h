// The Qt front end of the screenshot program: it saves PNGs of widgets into one folder and
// keeps the last picture of the progress window that a save let repaint.
#pragma once

#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <filesystem>

#include "platform/ui_qt/qt_front_end.h"

namespace prefdesk::screenshots {

class Photographer : public ui_qt::QtFrontEnd {
 public:
  Photographer(std::filesystem::path folder, ui_qt::PlacementPolicy policy);

  // Lets pending events through, then saves the widget as <name>.png.
  void Save(QWidget& widget, const QString& name);
  // Saves the last picture of the progress window, when a save showed it.
  void SaveProgress(const QString& name);

  const QStringList& Saved() const { return saved_; }

  void DoEvents() override;

 private:
  std::filesystem::path folder_;
  QPixmap progress_;
  QStringList saved_;
};

}  // namespace prefdesk::screenshots
