#include "src/component/dialog_hooks.h"

namespace prefdesk::component {

DialogHooks& Hooks() {
  thread_local DialogHooks hooks;
  return hooks;
}

}  // namespace prefdesk::component
