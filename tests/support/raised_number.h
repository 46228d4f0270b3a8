// The number of the error a call raises, or 0 when it raises none.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/automation/error.h"

namespace prefdesk::test_support {

inline int32_t RaisedNumber(const std::function<void()>& call) {
  try {
    call();
  } catch (const automation::AutomationError& e) {
    return e.Number();
  }
  return 0;
}

}  // namespace prefdesk::test_support
