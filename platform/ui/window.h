// A window (form) of the toolkit model. Code derives its forms from Window, creates their
// controls with Add in the constructor and sets the event handlers. A window must be owned by
// a std::shared_ptr (std::make_shared): while it is loaded the toolkit holds it too, so a
// form whose shared instance is released during its own Unload stays alive until Unload ends.
//
// Lifecycle: Load (first creation: OnLoad), ShowModal (shows the window, OnActivate at the
// first showing after the load, then runs until the window unloads), Unload (OnUnload; the
// window is hidden and leaves the toolkit). A later Load starts the cycle again.
//
// Members by name: Name (get), hWnd (get), Caption, Visible, Enabled, Left, Top, Width,
// Height, MousePointer, Font (get: object with Name, Size, Bold), FontName, FontSize,
// FontBold, Icon (get / put by reference), and each control by its name (get: the control).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/automation/dispatch.h"
#include "platform/automation/error.h"
#include "platform/ui/control.h"
#include "platform/ui/errors.h"
#include "platform/ui/font.h"
#include "platform/ui/picture.h"
#include "platform/ui/services.h"

namespace prefdesk::ui {

class CommandButton;

// Mouse pointer values of the platform.
inline constexpr int kPointerDefault = 0;
inline constexpr int kPointerHourglass = 11;

class Window : public automation::Dispatch, public std::enable_shared_from_this<Window> {
 public:
  explicit Window(std::string name);
  ~Window() override;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  const automation::MemberTable& Members() const override { return members_; }
  std::string ClassName() const override { return "Form"; }

  const std::string& Name() const { return name_; }
  WindowHandle Handle() const { return handle_; }  // unique, nonzero

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  Rect Bounds() const { return bounds_; }
  void SetBounds(const Rect& bounds);
  int MousePointer() const { return mouse_pointer_; }
  void SetMousePointer(int pointer);
  Font& GetFont() const { return *font_; }
  const std::shared_ptr<Picture>& Icon() const { return icon_; }
  void SetIcon(std::shared_ptr<Picture> icon);

  // --- lifecycle ---
  bool IsLoaded() const { return loaded_; }
  // Loads the window if it is not loaded: joins the toolkit's open windows, fires OnLoad.
  void Load();
  // Loads, shows and activates the window, then hands it to the front end until it unloads.
  // A window that unloads during its activation returns at once. Raises 400 when the window
  // is already shown.
  void ShowModal(Window* owner = nullptr);
  // Fires OnUnload, hides the window and releases the toolkit's hold; nothing when not loaded.
  void Unload();
  // The owner given to the current modal show (nullptr when none or not shown).
  Window* ModalOwner() const { return modal_owner_; }
  // Number of completed unloads since the window was made.
  int UnloadCount() const { return unload_count_; }

  // A person closes the window by its close box: the window unloads.
  bool UserClose();

  std::function<void()> OnLoad;
  std::function<void()> OnActivate;
  std::function<void()> OnUnload;

  // --- controls ---
  // Creates a control of kind T named `name` in `where` (default: the window itself) and
  // makes it reachable by name. Raises 5 for a name already used or a container that is not
  // a Frame or TabControl of this window (or a tab page out of range).
  template <typename T, typename... Args>
  std::shared_ptr<T> Add(std::string name, Container where = {}, Args&&... args) {
    auto control = std::make_shared<T>(std::move(name), std::forward<Args>(args)...);
    Adopt(control, where);
    return control;
  }
  // Every control in creation order.
  const std::vector<std::shared_ptr<Control>>& Controls() const { return controls_; }
  // The control of that name (case-blind), nullptr when none.
  Control* FindControl(std::string_view name) const;
  // The control of that name as kind T: raises 438 when there is none, 13 when it is
  // of another kind.
  template <typename T>
  T& Get(std::string_view name) const {
    Control* control = FindControl(name);
    if (control == nullptr) automation::Raise(automation::kErrMemberNotFound, name_, std::string(name));
    T* typed = dynamic_cast<T*>(control);
    if (typed == nullptr) automation::Raise(automation::kErrTypeMismatch, name_, std::string(name));
    return *typed;
  }
  // The usable button with Default set, or nullptr; likewise for Cancel.
  CommandButton* DefaultButton() const;
  CommandButton* CancelButton() const;

 protected:
  // Derived forms add their own members (public methods, fields) in their constructors.
  automation::MemberTable& Table() { return members_; }
  void NotifyChanged(std::string_view property);

 private:
  friend class Control;
  void Adopt(const std::shared_ptr<Control>& control, Container where);
  void Activate();

  std::string name_;
  WindowHandle handle_;
  std::string caption_;
  bool visible_ = false;
  bool enabled_ = true;
  Rect bounds_;
  int mouse_pointer_ = kPointerDefault;
  std::shared_ptr<Font> font_;
  std::shared_ptr<Picture> icon_;
  bool loaded_ = false;
  bool activated_ = false;
  int unload_count_ = 0;
  Window* modal_owner_ = nullptr;
  std::vector<std::shared_ptr<Control>> controls_;
  automation::MemberTable members_;
};

}  // namespace prefdesk::ui
