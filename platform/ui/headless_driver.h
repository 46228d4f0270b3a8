// The front end without a screen. A modal show hands the window to the user script registered
// for the window's name (or the default script); the script clicks, types, checks and selects
// as a person would. When the script returns and the window is still loaded, the driver closes
// it, so nothing hangs. Message and input boxes are answered from queued answers, then a
// callback, then as Enter would (the default button; the default text). Everything shown is
// kept in a journal; update locks, repaints, beeps and pending-message processing are counted.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/front_end.h"

namespace prefdesk::ui {

struct JournalEntry {
  enum class Kind { MessageBox, InputBox, ModalWindow };
  Kind kind = Kind::MessageBox;
  // Message and input boxes.
  std::string prompt;
  std::string title;
  int style = 0;              // message box style
  int button = 0;             // message box: the button pressed
  std::string default_text;   // input box
  std::string entered;        // input box: the text given back
  // Modal windows: name, caption and each text box (name, text) as at the show.
  std::string window_name;
  std::string caption;
  std::vector<std::pair<std::string, std::string>> text_boxes;
};

class HeadlessDriver : public FrontEnd {
 public:
  using Script = std::function<void(Window& window)>;
  using MsgBoxAnswerer = std::function<int(const std::string& prompt, int style, const std::string& title)>;
  using InputBoxAnswerer =
      std::function<std::string(const std::string& prompt, const std::string& title, const std::string& default_text)>;

  // The script for windows of that name (case-blind); an empty script removes it.
  void SetScript(const std::string& window_name, Script script);
  // The script for windows without one of their own; empty restores PressDefaultOrClose.
  void SetDefaultScript(Script script);
  // The built-in default: presses the usable Default button, else the Cancel button, else
  // closes the window.
  static void PressDefaultOrClose(Window& window);

  void QueueMsgBoxAnswer(int button);
  void SetMsgBoxAnswerer(MsgBoxAnswerer answerer);
  void QueueInputBoxAnswer(std::string text);
  void SetInputBoxAnswerer(InputBoxAnswerer answerer);
  // The button Enter presses in a message box of that style (honours the default-button bits).
  static int DefaultButton(int style);

  const std::vector<JournalEntry>& Journal() const { return journal_; }
  std::vector<JournalEntry> MessageBoxes() const;
  std::vector<JournalEntry> ModalWindows() const;
  void ClearJournal() { journal_.clear(); }

  int LockCalls() const { return lock_calls_; }      // LockWindowUpdate with a handle
  int UnlockCalls() const { return unlock_calls_; }  // LockWindowUpdate(0)
  WindowHandle LockedHandle() const { return locked_; }
  int DoEventsCalls() const { return do_events_calls_; }
  int Beeps() const { return beeps_; }
  // A repaint is counted for each change of a control or window shown on screen that is not
  // under the update lock (the locked window, its controls and what they contain), and once
  // for the locked one when it is unlocked after changes; and for each showing of a window.
  int Repaints() const { return repaints_; }
  int RepaintsOf(WindowHandle handle) const;
  // Depth of modal windows now being run.
  int ModalDepth() const { return modal_depth_; }

  // FrontEnd
  void RunModal(Window& window) override;
  int MsgBox(const std::string& prompt, int style, const std::string& title) override;
  std::string InputBox(const std::string& prompt, const std::string& title,
                       const std::string& default_text) override;
  void Beep() override;
  void DoEvents() override;
  int LockWindowUpdate(WindowHandle handle) override;
  void WindowShown(Window& window, bool modal) override;
  void WindowChanged(Window& window, std::string_view property) override;
  void ControlChanged(Control& control, std::string_view property) override;
  void ItemsChanged(Control& control) override;

 private:
  const Script* ScriptFor(const std::string& window_name) const;
  void Repaint(WindowHandle handle);
  // True when the control, a container around it or its window is locked.
  bool UnderLock(const Control& control) const;

  std::map<std::string, Script> scripts_;  // keyed by upper-cased name
  Script default_script_;
  std::deque<int> msgbox_answers_;
  MsgBoxAnswerer msgbox_answerer_;
  std::deque<std::string> input_answers_;
  InputBoxAnswerer input_answerer_;
  std::vector<JournalEntry> journal_;
  int lock_calls_ = 0;
  int unlock_calls_ = 0;
  WindowHandle locked_ = 0;
  bool locked_dirty_ = false;
  int do_events_calls_ = 0;
  int beeps_ = 0;
  int repaints_ = 0;
  std::map<WindowHandle, int> repaints_of_;
  int modal_depth_ = 0;
};

}  // namespace prefdesk::ui
