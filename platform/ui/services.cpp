// The toolkit services, answered by the calling thread's current front end.
#include "platform/ui/services.h"

#include "platform/ui/toolkit.h"

namespace prefdesk::ui {

void DoEvents() { Toolkit::Current().GetFrontEnd().DoEvents(); }

int LockWindowUpdate(WindowHandle handle) { return Toolkit::Current().GetFrontEnd().LockWindowUpdate(handle); }

void Beep() { Toolkit::Current().GetFrontEnd().Beep(); }

int MsgBox(const std::string& prompt, int style, const std::string& title) {
  return Toolkit::Current().GetFrontEnd().MsgBox(prompt, style, title);
}

std::string InputBox(const std::string& prompt, const std::string& title, const std::string& default_text) {
  return Toolkit::Current().GetFrontEnd().InputBox(prompt, title, default_text);
}

}  // namespace prefdesk::ui
