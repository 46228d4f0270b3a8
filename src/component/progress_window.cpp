#include "src/component/progress_window.h"

#include "src/component/dialog_hooks.h"

namespace prefdesk::component {

WindowWithControls ProgressWindow() {
  const auto& hook = Hooks().progress_window;
  return hook ? hook() : WindowWithControls{};
}

}  // namespace prefdesk::component
