#include "src/storage/lock_window_update.h"

namespace prefdesk::storage {

int32_t LockWindowUpdate(ui::WindowHandle handle) { return ui::LockWindowUpdate(handle); }

}  // namespace prefdesk::storage
