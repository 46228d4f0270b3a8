#include "platform/appearancelib/appearance_control.h"

#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#include "platform/automation/member_helpers.h"

namespace prefdesk::appearancelib {

namespace members = automation::members;

using automation::Variant;

AppearanceControl::AppearanceControl(std::string name) : ui::Control(ui::ControlKind::Custom, std::move(name), true) {
  members::ObjectProperty(Table(), "CurrentScheme", "Object",
                              [this] { return Variant(automation::ObjectRef(current_scheme_)); },
                              [this](const Variant& v) { SetCurrentScheme(ObjectAs<Scheme>(v)); });
  members::ObjectProperty(Table(), "AppearanceObject", "Object",
                              [this] { return Variant(automation::ObjectRef(appearance_object_)); },
                              [this](const Variant& v) { SetAppearanceObject(ObjectAs<AppearanceObject>(v)); });
  members::Property(Table(), "DefaultFontName", "String", [this] { return Variant(default_font_name_); },
                        [this](const Variant& v) { SetDefaultFontName(automation::CStr(v)); });
  members::Property(Table(), "DefaultFontSize", "Long", [this] { return Variant(default_font_size_); },
                        [this](const Variant& v) { SetDefaultFontSize(automation::CLng(v)); });
}

void AppearanceControl::SetCurrentScheme(SchemeRef scheme) {
  current_scheme_ = std::move(scheme);
  NotifyChanged("CurrentScheme");
}

void AppearanceControl::SetAppearanceObject(AppearanceObjectRef object) {
  appearance_object_ = std::move(object);
  NotifyChanged("AppearanceObject");
}

void AppearanceControl::SetDefaultFontName(std::string name) {
  default_font_name_ = std::move(name);
  NotifyChanged(ui::prop::kFont);
}

void AppearanceControl::SetDefaultFontSize(int32_t size) {
  default_font_size_ = size;
  NotifyChanged(ui::prop::kFont);
}

Variant AppearanceControl::ShownValue(std::string_view name) const {
  if (!current_scheme_) automation::Raise(automation::kErrObjectRequired, ClassName());
  const Variant& value = current_scheme_->Value(name);
  const std::string upper = automation::UCase(name);
  if (upper.starts_with("FONT") && upper.find("SIZE") != std::string::npos && automation::CSng(value) == 0) {
    return Variant(static_cast<float>(default_font_size_));
  }
  if (upper.starts_with("FONT") && upper.find("NAME") != std::string::npos && automation::CStr(value).empty()) {
    return Variant(default_font_name_);
  }
  return value;
}

}  // namespace prefdesk::appearancelib
