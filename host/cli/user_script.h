// User scripts: what a person does in a window, one action per line, '#' starts a comment.
// Words are separated by blanks; "double quotes" keep blanks in a word (\" and \\ inside).
// An ITEM is a 0-based index or the item's text.
//   tab CAPTION|INDEX          show a page of the window's tab control
//   click LIST ITEM            pick an item of a list (makes it the current item)
//   choose LIST ITEM           the same, for a drop-down list
//   check LIST ITEM [on|off]   set an item's check mark as a person would (default on)
//   move LIST ITEM top|up|down|bottom   pick the item, then press its move button
//   type TEXTBOX TEXT          select the text box's text and type TEXT over it
//   press BUTTON               press a command button
//   answer msgbox yes|no|ok|cancel|abort|retry|ignore   the answer to the next message box
//   answer input TEXT          the answer to the next input box
//   ok | cancel                press the window's default or cancel button (the last line)
// A script that ends without ok or cancel leaves the window to be closed by its close box.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/ui/headless_driver.h"

namespace prefdesk::ui { class Window; }

namespace prefdesk::cli {

struct ScriptAction {
  int line = 0;
  std::string verb;
  std::vector<std::string> words;  // after the verb
};

class UserScript {
 public:
  static constexpr size_t kMaxScriptBytes = 1 << 20;
  static constexpr size_t kMaxLineBytes = 4096;

  // Reads and checks every line; raises CliError(kExitScript) with "FILE:LINE: message".
  static UserScript Load(const std::filesystem::path& file);
  static UserScript Parse(const std::string& text, const std::string& file_name);

  // Carries the actions out on the window. An action that cannot be done stops the script:
  // the window is closed without saving and the error is kept (FILE:LINE: message).
  void Run(ui::Window& window, ui::HeadlessDriver& driver);
  const std::string& Error() const { return error_; }
  const std::vector<ScriptAction>& Actions() const { return actions_; }

 private:
  std::string file_name_;
  std::vector<ScriptAction> actions_;
  std::string error_;
};

}  // namespace prefdesk::cli
