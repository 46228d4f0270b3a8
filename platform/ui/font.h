// The font object of windows and controls: Name, Size and Bold, settable by name
// (PutPropertyPath(control, {"Font", "Name"}, value)).
#pragma once

#include <functional>
#include <string>

#include "platform/automation/dispatch.h"
#include "platform/ui/errors.h"

namespace prefdesk::ui {

struct FontSpec {
  std::string name = "MS Sans Serif";
  float size = 8.0f;  // points
  bool bold = false;
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// A font that belongs to one window or control; every change is reported to the owner
// through the callback, which the owner turns into a "Font" property notification.
class Font : public automation::Dispatch {
 public:
  explicit Font(FontSpec spec, std::function<void()> on_change = {});

  const automation::MemberTable& Members() const override { return members_; }
  std::string ClassName() const override { return "StdFont"; }

  const FontSpec& Spec() const { return spec_; }
  void Set(const FontSpec& spec);
  void SetName(const std::string& name);
  void SetSize(float size);  // raises 380 for a size not above zero
  void SetBold(bool bold);

 private:
  void Changed();

  FontSpec spec_;
  std::function<void()> on_change_;
  automation::MemberTable members_;
};

}  // namespace prefdesk::ui
