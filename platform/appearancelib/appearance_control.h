// What both appearance controls share: the scheme they show (CurrentScheme), the appearance
// object they work with, and the font they fall back on where a scheme names none.
//
// Members by name besides the control's own: CurrentScheme and AppearanceObject (get / put by
// reference), DefaultFontName (String), DefaultFontSize (Long).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/appearancelib/appearance_object.h"
#include "platform/appearancelib/scheme.h"
#include "platform/ui/control.h"

namespace prefdesk::appearancelib {

class AppearanceControl : public ui::Control {
 public:
  const SchemeRef& CurrentScheme() const { return current_scheme_; }
  void SetCurrentScheme(SchemeRef scheme);
  const AppearanceObjectRef& GetAppearanceObject() const { return appearance_object_; }
  void SetAppearanceObject(AppearanceObjectRef object);
  const std::string& DefaultFontName() const { return default_font_name_; }
  void SetDefaultFontName(std::string name);
  int32_t DefaultFontSize() const { return default_font_size_; }
  void SetDefaultFontSize(int32_t size);

  // A value as the control shows it: the current scheme's value, with an empty font name
  // shown as DefaultFontName and a font size of 0 as DefaultFontSize. Raises 91 without a
  // scheme and 438 for a name that is not a scheme column.
  automation::Variant ShownValue(std::string_view name) const;

 protected:
  explicit AppearanceControl(std::string name);

 private:
  SchemeRef current_scheme_;
  AppearanceObjectRef appearance_object_;
  std::string default_font_name_;
  int32_t default_font_size_ = 0;
};

// The preview of the current scheme: forms, captions, grids, sheets, charts and the column
// bar drawn in the scheme's colours and fonts.
class Appearance : public AppearanceControl {
 public:
  explicit Appearance(std::string name) : AppearanceControl(std::move(name)) {}
  std::string ClassName() const override { return "Appearance"; }
};

// An object argument as the library's type: nullptr for Empty, Nothing or another type.
template <typename T>
std::shared_ptr<T> ObjectAs(const automation::Variant& value) {
  const automation::ObjectRef* object = value.Get<automation::ObjectRef>();
  return object != nullptr ? std::dynamic_pointer_cast<T>(*object) : nullptr;
}

}  // namespace prefdesk::appearancelib
