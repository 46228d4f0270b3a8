#include "platform/ui/text_box.h"

#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#include "platform/automation/member_helpers.h"
#include "platform/ui/errors.h"

namespace prefdesk::ui {

namespace members = automation::members;

using automation::Variant;

namespace {

// Length in bytes of the UTF-8 sequence that starts with `lead`.
size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

size_t CharacterCount(const std::string& text) {
  size_t count = 0;
  for (size_t i = 0; i < text.size(); i += SequenceLength(static_cast<unsigned char>(text[i]))) ++count;
  return count;
}

}  // namespace

TextBox::TextBox(std::string name) : Control(ControlKind::TextBox, std::move(name), true) {
  members::Property(Table(), "Text", "String", [this] { return Variant(text_); },
                    [this](const Variant& v) { SetText(automation::CStr(v)); });
  members::Property(Table(), "Locked", "Boolean", [this] { return Variant(locked_); },
                    [this](const Variant& v) { SetLocked(automation::CBool(v)); });
  members::Property(Table(), "MultiLine", "Boolean", [this] { return Variant(multi_line_); },
                    [this](const Variant& v) { SetMultiLine(automation::CBool(v)); });
  members::Property(Table(), "MaxLength", "Long", [this] { return Variant(int32_t{max_length_}); },
                    [this](const Variant& v) { SetMaxLength(automation::CLng(v)); });
}

void TextBox::SetText(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  NotifyChanged(prop::kText);
  if (OnChange) OnChange();
}

void TextBox::SetLocked(bool locked) {
  if (locked == locked_) return;
  locked_ = locked;
  NotifyChanged("Locked");
}

void TextBox::SetMultiLine(bool multi_line) {
  if (multi_line == multi_line_) return;
  multi_line_ = multi_line;
  NotifyChanged("MultiLine");
}

void TextBox::SetMaxLength(int max_length) {
  if (max_length < 0) automation::Raise(kErrInvalidPropertyValue, Name(), "Invalid property value");
  max_length_ = max_length;
}

bool TextBox::UserType(const std::string& text) {
  if (locked_ || !IsUsable()) return false;
  SetText("");
  for (size_t i = 0; i < text.size();) {
    const size_t length = SequenceLength(static_cast<unsigned char>(text[i]));
    if (locked_ || !IsUsable()) break;  // the change handler may have switched the box off
    if (max_length_ > 0 && CharacterCount(text_) >= static_cast<size_t>(max_length_)) break;
    SetText(text_ + text.substr(i, length));
    i += length;
  }
  return true;
}

}  // namespace prefdesk::ui
