// The component's operations for one user, each a call that the scale benchmark times: the
// single-setting readers, GetDefaultColumn, ReadColumnsBar, LoadMe of the options window for
// a saved and for a new user, and the save of the whole layout.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ado/connection.h"
#include "src/storage/datacenter.h"

namespace prefdesk::bench {

// The users of a generated store: user 1 has the saved factory layout and a settings row,
// user 2 has nothing saved, user 3 is one of the generated copies of user 1 (the save removes
// its rows and writes them again).
inline constexpr int16_t kScaleSavedUser = 1;
inline constexpr int16_t kScaleNewUser = 2;
inline constexpr int16_t kScaleSaveUser = 3;

struct ScaleStore {
  storage::DataCenterRef server;
  std::shared_ptr<ado::Connection> local;
  std::string local_connection_string;
};

struct ScaleOperation {
  std::string name;
  // Runs before the timed part, untimed (may be empty).
  std::function<void(const ScaleStore&)> prepare;
  // The timed part; returns true when the component reported a failure.
  std::function<bool(const ScaleStore&)> run;
};

const std::vector<ScaleOperation>& ScaleOperations();

}  // namespace prefdesk::bench
