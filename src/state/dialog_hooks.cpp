#include "src/state/dialog_hooks.h"

namespace prefdesk::state {

DialogHooks& Hooks() {
  thread_local DialogHooks hooks;
  return hooks;
}

}  // namespace prefdesk::state
