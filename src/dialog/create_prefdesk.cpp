#include "src/dialog/create_prefdesk.h"

#include <mutex>

#include "src/dialog/register_dialog.h"

namespace prefdesk::dialog {

std::shared_ptr<component::ClsPrefdesk> CreatePrefdesk() {
  static std::once_flag registered;
  std::call_once(registered, RegisterOptionDialog);
  return component::ClsPrefdesk::Create();
}

}  // namespace prefdesk::dialog
