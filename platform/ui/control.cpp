#include "platform/ui/control.h"

#include "platform/automation/conversions.h"
#include "platform/automation/member_helpers.h"
#include "platform/ui/tab_control.h"
#include "platform/ui/toolkit.h"
#include "platform/ui/window.h"

namespace prefdesk::ui {

namespace members = automation::members;

using automation::CBool;
using automation::CLng;
using automation::CSng;
using automation::CStr;
using automation::Variant;

Control::Control(ControlKind kind, std::string name, bool has_font)
    : kind_(kind), name_(std::move(name)), handle_(Toolkit::NewHandle()) {
  members::Get(members_, "Name", "String", [this] { return Variant(name_); });
  members::Get(members_, "hWnd", "Long", [this] { return Variant(static_cast<int32_t>(handle_)); });
  members::Property(members_, "Enabled", "Boolean", [this] { return Variant(enabled_); },
                    [this](const Variant& v) { SetEnabled(CBool(v)); });
  members::Property(members_, "Visible", "Boolean", [this] { return Variant(visible_); },
                    [this](const Variant& v) { SetVisible(CBool(v)); });
  members::Property(members_, "Left", "Long", [this] { return Variant(int32_t{bounds_.left}); },
                    [this](const Variant& v) { SetBounds({CLng(v), bounds_.top, bounds_.width, bounds_.height}); });
  members::Property(members_, "Top", "Long", [this] { return Variant(int32_t{bounds_.top}); },
                    [this](const Variant& v) { SetBounds({bounds_.left, CLng(v), bounds_.width, bounds_.height}); });
  members::Property(members_, "Width", "Long", [this] { return Variant(int32_t{bounds_.width}); },
                    [this](const Variant& v) { SetBounds({bounds_.left, bounds_.top, CLng(v), bounds_.height}); });
  members::Property(members_, "Height", "Long", [this] { return Variant(int32_t{bounds_.height}); },
                    [this](const Variant& v) { SetBounds({bounds_.left, bounds_.top, bounds_.width, CLng(v)}); });
  members::Property(members_, "Tag", "String", [this] { return Variant(tag_); },
                    [this](const Variant& v) { SetTag(CStr(v)); });
  if (!has_font) return;
  font_ = std::make_shared<Font>(FontSpec{}, [this] { NotifyChanged(prop::kFont); });
  members::Get(members_, "Font", "Object", [this] { return Variant(automation::ObjectRef(font_)); });
  members::Property(members_, "FontName", "String", [this] { return Variant(font_->Spec().name); },
                    [this](const Variant& v) { font_->SetName(CStr(v)); });
  members::Property(members_, "FontSize", "Single", [this] { return Variant(font_->Spec().size); },
                    [this](const Variant& v) { font_->SetSize(CSng(v)); });
  members::Property(members_, "FontBold", "Boolean", [this] { return Variant(font_->Spec().bold); },
                    [this](const Variant& v) { font_->SetBold(CBool(v)); });
}

Control::~Control() = default;

void Control::SetBounds(const Rect& bounds) {
  if (bounds == bounds_) return;
  bounds_ = bounds;
  NotifyChanged(prop::kBounds);
}

void Control::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  NotifyChanged(prop::kEnabled);
}

void Control::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  NotifyChanged(prop::kVisible);
}

void Control::SetTag(std::string tag) { tag_ = std::move(tag); }

bool Control::IsUsable() const {
  if (owner_ == nullptr || !owner_->IsLoaded() || !owner_->Visible() || !owner_->Enabled()) return false;
  for (const Control* c = this;; c = c->container_.parent) {
    if (!c->visible_ || !c->enabled_) return false;
    const Control* parent = c->container_.parent;
    if (parent == nullptr) return true;
    if (const auto* tabs = dynamic_cast<const TabControl*>(parent); tabs != nullptr) {
      if (c->container_.tab >= tabs->Tabs() || !tabs->TabEnabled(c->container_.tab)) return false;
    }
  }
}

void Control::NotifyChanged(std::string_view property) {
  if (owner_ != nullptr) Toolkit::Current().GetFrontEnd().ControlChanged(*this, property);
}

void Control::NotifyItemsChanged() {
  if (owner_ != nullptr) Toolkit::Current().GetFrontEnd().ItemsChanged(*this);
}

void Control::Place(Window* owner, Container container, const FontSpec& font) {
  if (font_) font_->Set(font);
  container_ = container;
  owner_ = owner;
}

}  // namespace prefdesk::ui
