#include "src/state/shared_state.h"

namespace prefdesk::state {

SharedState& State() {
  thread_local SharedState state;
  return state;
}

}  // namespace prefdesk::state
