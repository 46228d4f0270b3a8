// The entry for host programs: a ClsPrefdesk whose ShowOption opens the real options window.
// The first call on a thread registers the options dialog and the save's progress window
// for that thread, then every call creates an instance. Hosts call this instead of
// ClsPrefdesk::Create, which alone leaves ShowOption without a window (error 429).
#pragma once

#include <memory>

#include "src/component/cls_prefdesk.h"

namespace prefdesk::component {

std::shared_ptr<ClsPrefdesk> CreatePrefdesk();

// What a host does before ShowOption: puts DefaultTitle to the caption of the user's primary
// title (GetDefaultColumn, in the interface language), so that the Startup tab opens with it
// selected and a save keeps it. True when GetDefaultColumn failed (it showed why);
// DefaultTitle is then left as it was.
bool PutDefaultTitle(ClsPrefdesk& prefdesk, std::shared_ptr<ado::Connection> cn_base,
                     storage::DataCenterRef data_center);

}  // namespace prefdesk::component
