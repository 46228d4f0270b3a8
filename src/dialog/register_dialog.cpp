#include "src/dialog/register_dialog.h"

#include <memory>
#include <vector>

#include "src/state/dialog_hooks.h"
#include "src/dialog/frm_option.h"
#include "src/dialog/frm_save_progress.h"

namespace prefdesk::dialog {
namespace {

std::vector<automation::ObjectRef> ControlsOf(const ui::Window& window) {
  return {window.Controls().begin(), window.Controls().end()};
}

// frmOption as the component drives it.
class OptionDialogOfForm : public state::OptionDialog {
 public:
  OptionDialogOfForm() : form_(std::make_shared<FrmOption>()) {
    form_->ReleaseInstance = [] { state::ReleaseOptionDialog(); };
  }

  void Load() override { form_->Load(); }
  bool LoadMe() override { return form_->LoadMe(); }
  void ShowModal() override {
    const auto form = form_;
    form->ShowModal(nullptr);
  }
  void Unload() override {
    const auto form = form_;
    form->Unload();
  }
  automation::ObjectRef Window() override { return form_; }
  std::vector<automation::ObjectRef> Controls() override { return ControlsOf(*form_); }
  std::shared_ptr<ui::Picture> Icon() override { return form_->Icon(); }
  void SetIcon(std::shared_ptr<ui::Picture> picture) override { form_->SetIcon(std::move(picture)); }
  std::string FontName() override { return form_->GetFont().Spec().name; }
  float FontSize() override { return form_->GetFont().Spec().size; }

 private:
  std::shared_ptr<FrmOption> form_;
};

}  // namespace

void RegisterOptionDialog() {
  state::Hooks() = {
      .option_dialog = [] { return std::make_shared<OptionDialogOfForm>(); },
      .progress_window =
          [] {
            const auto progress = FrmSaveProgress::Instance();
            progress->Load();
            return state::WindowWithControls{progress, ControlsOf(*progress)};
          },
      .save_progress = []() -> state::SaveProgressSink& { return *FrmSaveProgress::Instance(); },
  };
}

}  // namespace prefdesk::dialog
