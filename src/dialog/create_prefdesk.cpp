#include "src/dialog/create_prefdesk.h"

#include <mutex>
#include <string>

#include "src/dialog/register_dialog.h"

namespace prefdesk::dialog {

std::shared_ptr<component::ClsPrefdesk> CreatePrefdesk() {
  static std::once_flag registered;
  std::call_once(registered, RegisterOptionDialog);
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
