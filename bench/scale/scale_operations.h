// The component's operations for one user, each a call that the scale benchmark times: the
// single-setting readers, GetDefaultColumn, ReadColumnsBar, LoadMe of the options window for
// a saved and for a new user, and the save of the whole layout. The users are those of
// bench_env.h: 1 saved (with a settings row), 2 new, 3 the one whose layout is saved (its rows
// are removed and written again).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ado/connection.h"
#include "src/storage/datacenter.h"

namespace prefdesk::bench {

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
