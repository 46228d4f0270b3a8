// init --upgrade: brings an existing server database up to what init makes today, keeping
// every user's rows (host/datacenter/store_upgrade.h has the steps).
#pragma once

#include "host/cli/command_line.h"

namespace prefdesk::cli {

int RunUpgrade(const CommandLine& line);

}  // namespace prefdesk::cli
