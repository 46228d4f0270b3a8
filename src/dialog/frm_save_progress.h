// frmSaveProgress: the small modal window that runs the options dialog's save when it is
// first activated and shows how far the save has come. One instance per thread, created on
// first use and released when the window unloads, so the next save gets a fresh window.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/window.h"
#include "src/state/save_progress.h"

namespace prefdesk::ui {
class Label;
class ProgressBar;
}  // namespace prefdesk::ui

namespace prefdesk::dialog {

class FrmOption;

class FrmSaveProgress : public ui::Window, public state::SaveProgressSink {
 public:
  FrmSaveProgress();

  // The thread's instance, created when there is none.
  static std::shared_ptr<FrmSaveProgress> Instance();
  // The thread's instance, or null when there is none.
  static std::shared_ptr<FrmSaveProgress> Existing();

  // One step further (never past the bar's maximum), with the step's caption.
  void ProgressNext(const std::string& text) override;
  // Jumps to four steps before the end, with the step's caption.
  void ProgressMutilNext(const std::string& text);

  // The dialog whose Save the window runs; set before the window is shown.
  FrmOption* OwnerDialog = nullptr;

 private:
  void Form_Load();
  void Form_Activate();
  void Form_Unload();
  void ShowStep(const std::string& text);

  ui::Label* lblSaveProgress_ = nullptr;
  ui::ProgressBar* ProgressBar1_ = nullptr;
};

}  // namespace prefdesk::dialog
