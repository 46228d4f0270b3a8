// Makes the options window and the progress window available to the component and the layout
// writer: sets the calling thread's DialogHooks. Call on each thread before its first
// ShowOption (CreatePrefdesk, the host program and the tests do).
#pragma once

namespace prefdesk::dialog {

void RegisterOptionDialog();

}  // namespace prefdesk::dialog
