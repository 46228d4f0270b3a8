#include "platform/ui/font.h"

#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#include "platform/automation/member_helpers.h"
#include "platform/ui/errors.h"

namespace prefdesk::ui {

namespace members = automation::members;

using automation::Variant;

Font::Font(FontSpec spec, std::function<void()> on_change) : spec_(std::move(spec)), on_change_(std::move(on_change)) {
  members::Property(members_, "Name", "String", [this] { return Variant(spec_.name); },
                    [this](const Variant& v) { SetName(automation::CStr(v)); });
  members::Property(members_, "Size", "Single", [this] { return Variant(spec_.size); },
                    [this](const Variant& v) { SetSize(automation::CSng(v)); });
  members::Property(members_, "Bold", "Boolean", [this] { return Variant(spec_.bold); },
                    [this](const Variant& v) { SetBold(automation::CBool(v)); });
}

void Font::Set(const FontSpec& spec) {
  if (spec.size <= 0.0f) automation::Raise(kErrInvalidPropertyValue, "Font", "Invalid property value");
  if (spec == spec_) return;
  spec_ = spec;
  Changed();
}

void Font::SetName(const std::string& name) {
  FontSpec spec = spec_;
  spec.name = name;
  Set(spec);
}

void Font::SetSize(float size) {
  FontSpec spec = spec_;
  spec.size = size;
  Set(spec);
}

void Font::SetBold(bool bold) {
  FontSpec spec = spec_;
  spec.bold = bold;
  Set(spec);
}

void Font::Changed() {
  if (on_change_) on_change_();
}

}  // namespace prefdesk::ui
