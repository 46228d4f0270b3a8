#include "platform/automation/dispatch.h"
#include "platform/ui/window.h"
#include "src/component/cls_prefdesk.h"
#include "src/state/option_dialog.h"
#include "src/state/shared_state.h"

namespace prefdesk::component {

namespace {

bool IsObject(const automation::Variant& value) {
  const automation::ObjectRef* object = value.Get<automation::ObjectRef>();
  return object != nullptr && *object != nullptr;
}

void SetMousePointer(const automation::Variant& owner_form, int pointer) {
  if (IsObject(owner_form)) {
    automation::PutProperty(owner_form, "MousePointer", automation::Variant(static_cast<int16_t>(pointer)));
  }
}

}  // namespace

bool ClsPrefdesk::ShowOption(const automation::Variant& owner_form) {
  SetMousePointer(owner_form, ui::kPointerHourglass);
  // Held here too: the dialog releases the shared instance when its window unloads.
  std::shared_ptr<state::OptionDialog> dialog = state::LoadedOptionDialog();
  bool failed = dialog->LoadMe();
  SetMousePointer(owner_form, ui::kPointerDefault);
  if (failed) {
    dialog->Unload();
    state::ReleaseOptionDialog();
    return true;
  }
  dialog->ShowModal();

  state::SharedState& state = state::State();
  switch (state.OutcomeFlag) {
    case 0: RaiseOptionSuccess(E_OptionCancel); break;
    case 1: RaiseOptionSuccess(E_OptionSuccess); break;
    case 2: RaiseOptionSuccess(E_OptionFail); break;
    default: break;
  }
  state.OutcomeFlag = 0;
  return false;
}

void ClsPrefdesk::RaiseOptionSuccess(Enum_OpitonSuccess outcome) {
  events_.Fire(kDispidOptionSuccess, {automation::Variant(static_cast<int32_t>(outcome))});
}

}  // namespace prefdesk::component
