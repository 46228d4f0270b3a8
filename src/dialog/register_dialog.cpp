#include "src/dialog/register_dialog.h"

#include <memory>
#include <vector>

#include "src/columns/save_progress.h"
#include "src/component/option_dialog.h"
#include "src/component/progress_window.h"
#include "src/dialog/frm_option.h"
#include "src/dialog/frm_save_progress.h"

namespace prefdesk::dialog {
namespace {

std::vector<automation::ObjectRef> ControlsOf(const ui::Window& window) {
  return {window.Controls().begin(), window.Controls().end()};
}

// frmOption as the component drives it.
class OptionDialogOfForm : public component::OptionDialog {
 public:
  OptionDialogOfForm() : form_(std::make_shared<FrmOption>()) {
    form_->ReleaseInstance = [] { component::ReleaseOptionDialog(); };
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
  component::RegisterOptionDialogFactory([]() -> std::shared_ptr<component::OptionDialog> {
    // The layout writer advances the progress window of the thread that saves.
    columns::SetSaveProgressProvider(
        []() -> columns::SaveProgressSink& { return *FrmSaveProgress::Instance(); });
    return std::make_shared<OptionDialogOfForm>();
  });
  component::RegisterProgressWindowHook([] {
    const auto progress = FrmSaveProgress::Instance();
    progress->Load();
    return component::WindowWithControls{progress, ControlsOf(*progress)};
  });
}

}  // namespace prefdesk::dialog
