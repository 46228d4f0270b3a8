#include "platform/ui/simple_controls.h"

#include "platform/automation/conversions.h"
#include "platform/automation/member_helpers.h"

namespace prefdesk::ui {

namespace members = automation::members;

using automation::CBool;
using automation::Variant;

CaptionedControl::CaptionedControl(ControlKind kind, std::string name) : Control(kind, std::move(name), true) {
  members::Property(Table(), "Caption", "String", [this] { return Variant(caption_); },
                    [this](const Variant& v) { SetCaption(automation::CStr(v)); });
}

void CaptionedControl::SetCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  NotifyChanged(prop::kCaption);
}

Label::Label(std::string name) : CaptionedControl(ControlKind::Label, std::move(name)) {}

Frame::Frame(std::string name) : CaptionedControl(ControlKind::Frame, std::move(name)) {}

CommandButton::CommandButton(std::string name) : CaptionedControl(ControlKind::CommandButton, std::move(name)) {
  members::Property(Table(), "Default", "Boolean", [this] { return Variant(default_); },
                    [this](const Variant& v) { SetDefault(CBool(v)); });
  members::Property(Table(), "Cancel", "Boolean", [this] { return Variant(cancel_); },
                    [this](const Variant& v) { SetCancel(CBool(v)); });
}

void CommandButton::SetDefault(bool value) {
  if (value == default_) return;
  default_ = value;
  NotifyChanged("Default");
}

void CommandButton::SetCancel(bool value) {
  if (value == cancel_) return;
  cancel_ = value;
  NotifyChanged("Cancel");
}

void CommandButton::Click() {
  if (OnClick) OnClick();
}

bool CommandButton::UserClick() {
  if (!IsUsable()) return false;
  Click();
  return true;
}

PictureBox::PictureBox(std::string name) : Control(ControlKind::PictureBox, std::move(name), false) {
  members::ObjectProperty(Table(), "Picture", "Object", [this] { return Variant(automation::ObjectRef(picture_)); },
                          [this](const Variant& v) { SetPicture(PictureFrom(v)); });
}

void PictureBox::SetPicture(std::shared_ptr<Picture> picture) {
  picture_ = std::move(picture);
  NotifyChanged(prop::kPicture);
}

}  // namespace prefdesk::ui
