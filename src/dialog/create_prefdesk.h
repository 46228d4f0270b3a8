// The entry for host programs: a ClsPrefdesk whose ShowOption opens the real options window.
// The first call on a thread registers the options dialog and the save's progress window
// for that thread, then every call creates an instance. Hosts call this instead of
// ClsPrefdesk::Create, which alone leaves ShowOption without a window (error 429).
#pragma once

#include <memory>

#include "src/component/cls_prefdesk.h"

namespace prefdesk::dialog {

std::shared_ptr<component::ClsPrefdesk> CreatePrefdesk();

}  // namespace prefdesk::dialog
