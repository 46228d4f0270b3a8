// How the lower layers reach the dialog library's windows: the dialog registers one set of
// hooks, and the component (options dialog, progress window fonts) and the layout writer
// (progress steps) call them. The component is apartment-threaded, so each thread has its
// own set and registers it before its first ShowOption.
#pragma once

#include <functional>
#include <memory>

#include "src/state/save_progress.h"
#include "src/state/option_dialog.h"
#include "src/state/progress_window.h"

namespace prefdesk::state {

struct DialogHooks {
  // Creates an options dialog; without it the dialog cannot be shown (error 429).
  std::function<std::shared_ptr<OptionDialog>()> option_dialog;
  // The progress window and its controls, loaded; without it there is no window.
  std::function<WindowWithControls()> progress_window;
  // The sink the layout writer advances, creating the progress window when it does not
  // exist; without it progress goes nowhere.
  std::function<state::SaveProgressSink&()> save_progress;
};

// The calling thread's hooks; assign a new set (or an empty one) to change them.
DialogHooks& Hooks();

}  // namespace prefdesk::state
