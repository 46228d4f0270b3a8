#include "src/component/shared_state.h"

namespace prefdesk::component {

SharedState& State() {
  thread_local SharedState state;
  return state;
}

}  // namespace prefdesk::component
