// The save progress window frmSaveProgress as the component reaches it for its fonts. The
// dialog library owns the window and hands it out through the thread's DialogHooks, loading
// it when it is not loaded (as any reference to the window does).
#pragma once

#include <vector>

#include "platform/automation/variant.h"

namespace prefdesk::state {

struct WindowWithControls {
  automation::ObjectRef window;
  std::vector<automation::ObjectRef> controls;
};

// The progress window and its controls; no window when no hook is registered.
WindowWithControls ProgressWindow();

}  // namespace prefdesk::state
