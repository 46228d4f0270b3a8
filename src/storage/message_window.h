// What the error window and the information window share: a description box and an OK
// button. At load the window beeps and captions the button with string 600; the button
// unloads the window.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/simple_controls.h"
#include "platform/ui/text_box.h"
#include "platform/ui/window.h"

namespace prefdesk::storage {

class MessageWindow : public ui::Window {
 public:
  ui::TextBox& Txt_ErrDescription() const { return *description_; }
  ui::CommandButton& CmdOk() const { return *ok_; }

  // Adds a line break and the text to the description.
  void AppendDescription(const std::string& text);

 protected:
  // description_top: where the description box starts, below what the derived window adds.
  MessageWindow(std::string name, int description_top);

 private:
  std::shared_ptr<ui::TextBox> description_;
  std::shared_ptr<ui::CommandButton> ok_;
};

}  // namespace prefdesk::storage
