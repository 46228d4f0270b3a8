#include "src/component/create_prefdesk.h"

#include <string>

#include "src/state/dialog_hooks.h"
#include "src/dialog/register_dialog.h"

namespace prefdesk::component {

std::shared_ptr<ClsPrefdesk> CreatePrefdesk() {
  if (!state::Hooks().option_dialog) dialog::RegisterOptionDialog();
  return ClsPrefdesk::Create();
}

bool PutDefaultTitle(ClsPrefdesk& prefdesk, std::shared_ptr<ado::Connection> cn_base,
                     storage::DataCenterRef data_center) {
  std::string name;
  std::string caption;
  if (prefdesk.GetDefaultColumn(std::move(cn_base), std::move(data_center), name, caption)) {
    return true;
  }
  prefdesk.SetDefaultTitle(caption);
  return false;
}

}  // namespace prefdesk::component
