#include "src/storage/show_err.h"

#include <memory>
#include <string>

#include "platform/automation/error.h"
#include "src/resources/strings.h"
#include "src/storage/frm_show_err.h"
#include "src/storage/frm_show_infor.h"

namespace prefdesk::storage {

namespace {

// 0x80040000 as the signed 32-bit number the platform writes it as.
constexpr int64_t kComponentErrorBase = static_cast<int32_t>(0x80040000u);

// Runs one step of the report; a step that fails is skipped, so the report never raises.
template <typename Step>
void Try(Step step) {
  try {
    step();
  } catch (...) {
  }
}

// Numbers the component raised itself (0x80040001 to 0x8004FFFE) show as their offset; the
// difference is taken in 64 bits, so no number overflows.
int32_t Normalised(int32_t number) {
  const int64_t offset = static_cast<int64_t>(number) - kComponentErrorBase;
  return offset >= 1 && offset <= 65534 ? static_cast<int32_t>(offset) : number;
}

// Fills the window, or adds the description to it while it is already on screen.
template <typename Form, typename Fill>
void Report(const std::string& source, const std::string& description, Fill fill_title) {
  Form* form = nullptr;
  std::shared_ptr<ui::Window> keep;  // unloading releases the shared instance
  Try([&] {
    form = &Form::Instance();
    keep = form->shared_from_this();
  });
  if (keep == nullptr) return;
  const bool showing = form->Visible();
  Try([&] { form->SetCaption(source); });
  Try([&] { fill_title(*form); });
  if (showing) {
    Try([&] { form->AppendDescription(description); });
    return;
  }
  Try([&] { form->Txt_ErrDescription().SetText(description); });
  Try([&] { form->ShowModal(); });
  Try([&] { form->Unload(); });
}

}  // namespace

void ShowErr(const std::string& source, int32_t& number, const std::string& description) {
  number = Normalised(number);
  if (number == 0 && description.empty()) return;
  if (number != 0) {
    const int32_t shown = number;
    Report<FrmShowErr>(source, description, [shown](FrmShowErr& form) {
      form.Txt_Title().SetText(resources::LoadResString(1) + std::to_string(shown));
    });
  } else {
    Report<FrmShowInfor>(source, description, [](FrmShowInfor&) {});
  }
}

void ShowErr(const automation::AutomationError& error) {
  int32_t number = error.Number();
  ShowErr(error.Source(), number, error.Description());
}

}  // namespace prefdesk::storage
