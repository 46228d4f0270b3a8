// The save progress window frmSaveProgress as the component reaches it for its fonts. The
// dialog library owns the window and registers a hook that hands it out, loading it when it
// is not loaded (as any reference to the window does).
#pragma once

#include <functional>
#include <vector>

#include "platform/automation/variant.h"

namespace prefdesk::component {

struct WindowWithControls {
  automation::ObjectRef window;
  std::vector<automation::ObjectRef> controls;
};

using ProgressWindowHook = std::function<WindowWithControls()>;

// Sets the hook for every thread; an empty one removes it.
void RegisterProgressWindowHook(ProgressWindowHook hook);

// The progress window and its controls; no window when no hook is registered.
WindowWithControls ProgressWindow();

}  // namespace prefdesk::component
