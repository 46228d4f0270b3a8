#include "src/dialog/frm_save_progress.h"

#include <algorithm>

#include "platform/ui/progress_bar.h"
#include "platform/ui/simple_controls.h"
#include "src/state/shared_state.h"
#include "src/dialog/frm_option.h"
#include "src/resources/strings.h"

namespace prefdesk::dialog {
namespace {

// Appended to every step's caption, in both languages.
constexpr const char* kSavingSuffix = "正在保存...        ";

thread_local std::shared_ptr<FrmSaveProgress> instance;

}  // namespace

FrmSaveProgress::FrmSaveProgress() : ui::Window("frmSaveProgress") {
  SetCaption("Form1");
  SetBounds({0, 0, 360, 110});
  auto label = Add<ui::Label>("lblSaveProgress");
  label->SetBounds({12, 12, 330, 20});
  label->SetCaption("Save Progress:");
  auto bar = Add<ui::ProgressBar>("ProgressBar1");
  bar->SetBounds({12, 40, 330, 22});
  lblSaveProgress_ = label.get();
  ProgressBar1_ = bar.get();
  OnLoad = [this] { Form_Load(); };
  OnActivate = [this] { Form_Activate(); };
  OnUnload = [this] { Form_Unload(); };
}

std::shared_ptr<FrmSaveProgress> FrmSaveProgress::Instance() {
  if (!instance) instance = std::make_shared<FrmSaveProgress>();
  return instance;
}

std::shared_ptr<FrmSaveProgress> FrmSaveProgress::Existing() { return instance; }

void FrmSaveProgress::Form_Load() {
  if (resources::IsChinese()) {
    SetCaption("进度：");
    lblSaveProgress_->SetCaption("正在保存...");
  } else if (resources::IsEnglish()) {
    SetCaption("Progress:");
    lblSaveProgress_->SetCaption("Saving...");
  }
  ProgressBar1_->SetMin(1);
  ProgressBar1_->SetMax(state::State().ColumnsFromLocalDefaults ? 366 : 195);
  ProgressBar1_->SetValue(1);
}

void FrmSaveProgress::Form_Activate() {
  const auto keep_alive = shared_from_this();
  // The save reports its outcome through OutcomeFlag and the host's event.
  if (OwnerDialog != nullptr) static_cast<void>(OwnerDialog->Save());
}

void FrmSaveProgress::Form_Unload() {
  OwnerDialog = nullptr;
  if (instance.get() == this) instance.reset();
}

void FrmSaveProgress::ShowStep(const std::string& text) {
  lblSaveProgress_->SetCaption(text + kSavingSuffix);
}

void FrmSaveProgress::ProgressNext(const std::string& text) {
  ProgressBar1_->SetValue(std::min(ProgressBar1_->Value() + 1, ProgressBar1_->Max()));
  ShowStep(text);
}

void FrmSaveProgress::ProgressMutilNext(const std::string& text) {
  ProgressBar1_->SetValue(std::max(ProgressBar1_->Max() - 4, ProgressBar1_->Min()));
  ShowStep(text);
}

}  // namespace prefdesk::dialog
