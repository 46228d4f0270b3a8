// The window manager's update lock: a window handle suspends the painting of that window,
// 0 resumes it. Passed through with the platform's result (nonzero on success).
#pragma once

#include <cstdint>

#include "platform/ui/services.h"

namespace prefdesk::storage {

int32_t LockWindowUpdate(ui::WindowHandle handle);

}  // namespace prefdesk::storage
