#include "src/dialog/create_prefdesk.h"

#include <string>

#include "src/component/dialog_hooks.h"
#include "src/dialog/register_dialog.h"

namespace prefdesk::dialog {

std::shared_ptr<component::ClsPrefdesk> CreatePrefdesk() {
  if (!component::Hooks().option_dialog) RegisterOptionDialog();
  return component::ClsPrefdesk::Create();
}

bool PutDefaultTitle(component::ClsPrefdesk& prefdesk, std::shared_ptr<ado::Connection> cn_base,
                     storage::DataCenterRef data_center) {
  std::string name;
  std::string caption;
  if (prefdesk.GetDefaultColumn(std::move(cn_base), std::move(data_center), name, caption)) {
    return true;
  }
  prefdesk.SetDefaultTitle(caption);
  return false;
}

}  // namespace prefdesk::dialog
