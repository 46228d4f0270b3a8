// Makes the options window and the progress window available to the component: registers the
// factory of the options dialog and the hook that hands out the progress window. Call once
// before the first ShowOption (the host program and the tests do).
#pragma once

namespace prefdesk::dialog {

void RegisterOptionDialog();

}  // namespace prefdesk::dialog
