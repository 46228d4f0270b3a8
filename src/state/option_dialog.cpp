#include "src/state/option_dialog.h"

#include "platform/automation/error.h"
#include "src/state/dialog_hooks.h"
#include "src/state/shared_state.h"

namespace prefdesk::state {

namespace {

// "ActiveX component can't create object"
constexpr int32_t kErrCannotCreateObject = 429;

}  // namespace

std::shared_ptr<OptionDialog> LoadedOptionDialog() {
  SharedState& state = State();
  if (state.Dialog) return state.Dialog;
  const auto& create = Hooks().option_dialog;
  if (!create) {
    automation::Raise(kErrCannotCreateObject, "frmOption", "The options window is not available");
  }
  std::shared_ptr<OptionDialog> dialog = create();
  if (!dialog) {
    automation::Raise(kErrCannotCreateObject, "frmOption", "The options window could not be created");
  }
  dialog->Load();
  state.Dialog = dialog;
  return dialog;
}

void ReleaseOptionDialog() { State().Dialog.reset(); }

}  // namespace prefdesk::state
