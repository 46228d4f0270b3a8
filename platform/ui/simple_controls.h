// The controls without behaviour of their own beyond a caption or a click:
// Label, Frame, CommandButton and PictureBox.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/ui/control.h"
#include "platform/ui/picture.h"

namespace prefdesk::ui {

// A control that shows a caption. Member by name: Caption (get/put).
class CaptionedControl : public Control {
 public:
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);

 protected:
  CaptionedControl(ControlKind kind, std::string name);

 private:
  std::string caption_;
};

class Label : public CaptionedControl {
 public:
  explicit Label(std::string name);
  std::string ClassName() const override { return "Label"; }
};

// A frame groups the controls placed in it (Container{frame}).
class Frame : public CaptionedControl {
 public:
  explicit Frame(std::string name);
  std::string ClassName() const override { return "Frame"; }
};

// Members by name besides Caption: Default, Cancel (get/put).
class CommandButton : public CaptionedControl {
 public:
  explicit CommandButton(std::string name);
  std::string ClassName() const override { return "CommandButton"; }

  // The button Enter presses (Default) and the one Escape presses (Cancel).
  bool IsDefault() const { return default_; }
  void SetDefault(bool value);
  bool IsCancel() const { return cancel_; }
  void SetCancel(bool value);

  // Fires Click, as code that presses the button does.
  void Click();
  // A person presses the button: Click, when the button is usable.
  bool UserClick();

  std::function<void()> OnClick;

 private:
  bool default_ = false;
  bool cancel_ = false;
};

// A picture box; fontless. Member by name: Picture (get / put by reference).
class PictureBox : public Control {
 public:
  explicit PictureBox(std::string name);
  std::string ClassName() const override { return "PictureBox"; }

  const std::shared_ptr<Picture>& GetPicture() const { return picture_; }
  void SetPicture(std::shared_ptr<Picture> picture);

 private:
  std::shared_ptr<Picture> picture_;
};

}  // namespace prefdesk::ui
