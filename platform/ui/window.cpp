#include "platform/ui/window.h"

#include "platform/automation/conversions.h"
#include "platform/automation/member_helpers.h"
#include "platform/ui/simple_controls.h"
#include "platform/ui/tab_control.h"
#include "platform/ui/toolkit.h"

namespace prefdesk::ui {

namespace members = automation::members;

using automation::CBool;
using automation::CLng;
using automation::CSng;
using automation::CStr;
using automation::Variant;

Window::Window(std::string name) : name_(std::move(name)), handle_(Toolkit::NewHandle()), caption_(name_) {
  font_ = std::make_shared<Font>(FontSpec{}, [this] { NotifyChanged(prop::kFont); });
  members::Get(members_, "Name", "String", [this] { return Variant(name_); });
  members::Get(members_, "hWnd", "Long", [this] { return Variant(static_cast<int32_t>(handle_)); });
  members::Property(members_, "Caption", "String", [this] { return Variant(caption_); },
                    [this](const Variant& v) { SetCaption(CStr(v)); });
  members::Property(members_, "Visible", "Boolean", [this] { return Variant(visible_); },
                    [this](const Variant& v) { SetVisible(CBool(v)); });
  members::Property(members_, "Enabled", "Boolean", [this] { return Variant(enabled_); },
                    [this](const Variant& v) { SetEnabled(CBool(v)); });
  members::Property(members_, "Left", "Long", [this] { return Variant(int32_t{bounds_.left}); },
                    [this](const Variant& v) { SetBounds({CLng(v), bounds_.top, bounds_.width, bounds_.height}); });
  members::Property(members_, "Top", "Long", [this] { return Variant(int32_t{bounds_.top}); },
                    [this](const Variant& v) { SetBounds({bounds_.left, CLng(v), bounds_.width, bounds_.height}); });
  members::Property(members_, "Width", "Long", [this] { return Variant(int32_t{bounds_.width}); },
                    [this](const Variant& v) { SetBounds({bounds_.left, bounds_.top, CLng(v), bounds_.height}); });
  members::Property(members_, "Height", "Long", [this] { return Variant(int32_t{bounds_.height}); },
                    [this](const Variant& v) { SetBounds({bounds_.left, bounds_.top, bounds_.width, CLng(v)}); });
  members::Property(members_, "MousePointer", "Integer",
                    [this] { return Variant(static_cast<int16_t>(mouse_pointer_)); },
                    [this](const Variant& v) { SetMousePointer(automation::CInt(v)); });
  members::Get(members_, "Font", "Object", [this] { return Variant(automation::ObjectRef(font_)); });
  members::Property(members_, "FontName", "String", [this] { return Variant(font_->Spec().name); },
                    [this](const Variant& v) { font_->SetName(CStr(v)); });
  members::Property(members_, "FontSize", "Single", [this] { return Variant(font_->Spec().size); },
                    [this](const Variant& v) { font_->SetSize(CSng(v)); });
  members::Property(members_, "FontBold", "Boolean", [this] { return Variant(font_->Spec().bold); },
                    [this](const Variant& v) { font_->SetBold(CBool(v)); });
  members::ObjectProperty(members_, "Icon", "Object", [this] { return Variant(automation::ObjectRef(icon_)); },
                          [this](const Variant& v) { SetIcon(PictureFrom(v)); });
}

Window::~Window() = default;

void Window::NotifyChanged(std::string_view property) {
  Toolkit::Current().GetFrontEnd().WindowChanged(*this, property);
}

void Window::SetCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  NotifyChanged(prop::kCaption);
}

void Window::SetVisible(bool visible) {
  if (visible == visible_) return;
  if (!visible) {
    visible_ = false;
    NotifyChanged(prop::kVisible);
    return;
  }
  Load();
  if (!loaded_ || visible_) return;
  visible_ = true;
  Toolkit::Current().GetFrontEnd().WindowShown(*this, false);
  Activate();
}

void Window::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  NotifyChanged(prop::kEnabled);
}

void Window::SetBounds(const Rect& bounds) {
  if (bounds == bounds_) return;
  bounds_ = bounds;
  NotifyChanged(prop::kBounds);
}

void Window::SetMousePointer(int pointer) {
  if (pointer == mouse_pointer_) return;
  mouse_pointer_ = pointer;
  NotifyChanged(prop::kMousePointer);
}

void Window::SetIcon(std::shared_ptr<Picture> icon) {
  icon_ = std::move(icon);
  NotifyChanged(prop::kIcon);
}

void Window::Load() {
  if (loaded_) return;
  loaded_ = true;
  activated_ = false;
  Toolkit& toolkit = Toolkit::Current();
  toolkit.Opened(shared_from_this());
  toolkit.GetFrontEnd().WindowLoaded(*this);
  if (OnLoad) OnLoad();
}

void Window::ShowModal(Window* owner) {
  if (loaded_ && visible_) automation::Raise(kErrFormAlreadyShown, name_, "Form already displayed; can't show modally");
  const std::shared_ptr<Window> self = shared_from_this();
  Load();
  if (!loaded_) return;
  struct OwnerScope {
    Window& window;
    ~OwnerScope() { window.modal_owner_ = nullptr; }
  } scope{*this};
  modal_owner_ = owner;
  visible_ = true;
  FrontEnd& front_end = Toolkit::Current().GetFrontEnd();
  try {
    front_end.WindowShown(*this, true);
    Activate();
    if (loaded_) front_end.RunModal(*this);
  } catch (...) {
    // An error that escapes the window's own handlers must not leave it shown for good.
    try {
      Unload();
    } catch (...) {
    }
    throw;
  }
  if (loaded_) Unload();
}

void Window::Activate() {
  if (activated_) return;
  activated_ = true;
  if (OnActivate) OnActivate();
}

void Window::Unload() {
  if (!loaded_) return;
  const std::shared_ptr<Window> self = shared_from_this();
  if (OnUnload) OnUnload();
  loaded_ = false;
  visible_ = false;
  activated_ = false;
  ++unload_count_;
  Toolkit& toolkit = Toolkit::Current();
  toolkit.GetFrontEnd().WindowClosed(*this);
  toolkit.Closed(*this);
}

bool Window::UserClose() {
  if (!loaded_) return false;
  Unload();
  return true;
}

void Window::Adopt(const std::shared_ptr<Control>& control, Container where) {
  const std::string& name = control->Name();
  if (name.empty() || FindControl(name) != nullptr) {
    automation::Raise(automation::kErrInvalidArgument, name_, "Control name already used or empty: " + name);
  }
  if (where.parent != nullptr) {
    const bool ours = where.parent->Owner() == this;
    const auto* tabs = dynamic_cast<const TabControl*>(where.parent);
    const bool frame = where.parent->Kind() == ControlKind::Frame && where.tab == -1;
    const bool page = tabs != nullptr && where.tab >= 0 && where.tab < tabs->Tabs();
    if (!ours || !(frame || page)) {
      automation::Raise(automation::kErrInvalidArgument, name_, "Invalid container for control " + name);
    }
  }
  control->Place(this, where, font_->Spec());
  controls_.push_back(control);
  members::Get(members_, name, "Object", [control] { return Variant(automation::ObjectRef(control)); });
  Toolkit::Current().GetFrontEnd().ControlAdded(*control);
}

Control* Window::FindControl(std::string_view name) const {
  for (const auto& control : controls_) {
    if (automation::EqualsIgnoreCase(control->Name(), name)) return control.get();
  }
  return nullptr;
}

CommandButton* Window::DefaultButton() const {
  for (const auto& control : controls_) {
    auto* button = dynamic_cast<CommandButton*>(control.get());
    if (button != nullptr && button->IsDefault() && button->IsUsable()) return button;
  }
  return nullptr;
}

CommandButton* Window::CancelButton() const {
  for (const auto& control : controls_) {
    auto* button = dynamic_cast<CommandButton*>(control.get());
    if (button != nullptr && button->IsCancel() && button->IsUsable()) return button;
  }
  return nullptr;
}

}  // namespace prefdesk::ui
