#include "src/component/progress_window.h"

namespace prefdesk::component {

namespace {

ProgressWindowHook& Hook() {
  static ProgressWindowHook hook;
  return hook;
}

}  // namespace

void RegisterProgressWindowHook(ProgressWindowHook hook) { Hook() = std::move(hook); }

WindowWithControls ProgressWindow() { return Hook() ? Hook()() : WindowWithControls{}; }

}  // namespace prefdesk::component
