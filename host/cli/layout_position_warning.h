// A user whose titles, lists or second-level lists all lack a position sees the factory
// layout in the dialog and the bar, and a save from the dialog replaces the stored rows; the
// administrator is told so, with the command that numbers them.
#pragma once

#include <cstdint>
#include <iosfwd>

#include "src/storage/datacenter.h"

namespace prefdesk::cli {

// Writes one warning line to out when a level of the user's stored layout has rows and none
// of them a position. A failed read says nothing: the command's own reads report it.
void WarnWhenLayoutHasNoPositions(storage::DataCenter& server, int16_t user, std::ostream& out);

}  // namespace prefdesk::cli
