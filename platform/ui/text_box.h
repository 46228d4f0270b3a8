// A text box. Change fires on every change of Text, programmatic puts included; a put of the
// text it already holds is no change. Members by name: Text (get/put), Locked, MultiLine,
// MaxLength (get/put).
#pragma once

#include <functional>
#include <string>

#include "platform/ui/control.h"

namespace prefdesk::ui {

class TextBox : public Control {
 public:
  explicit TextBox(std::string name);
  std::string ClassName() const override { return "TextBox"; }

  const std::string& Text() const { return text_; }
  void SetText(std::string text);

  // Locked: a person cannot edit the text (code still can).
  bool Locked() const { return locked_; }
  void SetLocked(bool locked);
  bool MultiLine() const { return multi_line_; }
  void SetMultiLine(bool multi_line);
  // 0 means no limit; counted in characters. Limits what a person types, not what code puts.
  int MaxLength() const { return max_length_; }
  void SetMaxLength(int max_length);

  // A person selects the whole text and types `text`: the text is cleared (one Change when
  // it was not empty), then each character is added with one Change each. Returns false,
  // changing nothing, when the box is locked or not usable.
  bool UserType(const std::string& text);

  std::function<void()> OnChange;

 private:
  std::string text_;
  bool locked_ = false;
  bool multi_line_ = false;
  int max_length_ = 0;
};

}  // namespace prefdesk::ui
