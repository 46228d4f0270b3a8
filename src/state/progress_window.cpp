#include "src/state/progress_window.h"

#include "src/state/dialog_hooks.h"

namespace prefdesk::state {

WindowWithControls ProgressWindow() {
  const auto& hook = Hooks().progress_window;
  return hook ? hook() : WindowWithControls{};
}

}  // namespace prefdesk::state
