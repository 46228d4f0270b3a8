#include "src/dialog/create_prefdesk.h"

#include "src/component/dialog_hooks.h"
#include "src/dialog/register_dialog.h"

namespace prefdesk::dialog {

std::shared_ptr<component::ClsPrefdesk> CreatePrefdesk() {
  if (!component::Hooks().option_dialog) RegisterOptionDialog();
  return component::ClsPrefdesk::Create();
}

}  // namespace prefdesk::dialog
