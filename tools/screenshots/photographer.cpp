#include "tools/screenshots/photographer.h"

#include <QCoreApplication>
#include <stdexcept>

#include "src/dialog/frm_save_progress.h"
#include "platform/ui/progress_bar.h"

namespace prefdesk::screenshots {

Photographer::Photographer(std::filesystem::path folder, ui_qt::PlacementPolicy policy)
    : QtFrontEnd(policy), folder_(std::move(folder)) {}

void Photographer::Save(QWidget& widget, const QString& name) {
  QCoreApplication::processEvents();
  const QString path = QString::fromStdString((folder_ / (name.toStdString() + ".png")).string());
  if (!widget.grab().save(path)) throw std::runtime_error("cannot write " + path.toStdString());
  saved_ << path;
}

void Photographer::SaveProgress(const QString& name) {
  if (progress_.isNull()) return;
  const QString path = QString::fromStdString((folder_ / (name.toStdString() + ".png")).string());
  if (!progress_.save(path)) throw std::runtime_error("cannot write " + path.toStdString());
  saved_ << path;
  progress_ = QPixmap();
}

void Photographer::DoEvents() {
  QtFrontEnd::DoEvents();
  const auto progress = dialog::FrmSaveProgress::Existing();
  if (progress == nullptr) return;
  QWidget* widget = WidgetOf(*progress);
  const auto& bar = progress->Get<ui::ProgressBar>("ProgressBar1");
  // The first picture past the middle of the bar: a step's caption with the bar well on.
  const bool past_middle = bar.Value() >= (bar.Min() + bar.Max()) / 2;
  if (widget != nullptr && widget->isVisible() && (progress_.isNull() || !past_middle)) progress_ = widget->grab();
}

}  // namespace prefdesk::screenshots
