// Base of every control of the window-toolkit model. A control is an automation object: its
// properties can be read and put by name through its member table, and every change is
// reported to the current front end so that a renderer can mirror it.
//
// Members by name on every control: Name (get), hWnd (get), Enabled, Visible, Left, Top,
// Width, Height, Tag; and, unless the kind has no font, Font (get: the font object with Name,
// Size, Bold), FontName, FontSize, FontBold. On a fontless kind a put of FontName raises 438.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/automation/dispatch.h"
#include "platform/ui/font.h"
#include "platform/ui/services.h"

namespace prefdesk::ui {

class Control;
class Window;

enum class ControlKind {
  Label,
  Frame,
  CommandButton,
  TextBox,
  ComboBox,      // drop-down list
  CheckListBox,  // list box with a check box per item
  TabControl,
  ProgressBar,   // no font
  PictureBox,    // no font
  Custom,        // a control of another library built on this base
};

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

// Where a control lies: on the window itself (parent nullptr), inside a Frame (parent the
// frame, tab -1) or on a page of a TabControl (parent the tab control, tab the page index).
struct Container {
  Control* parent = nullptr;
  int tab = -1;
};

// Property-name constants used in change notifications.
namespace prop {
inline constexpr std::string_view kCaption = "Caption";
inline constexpr std::string_view kText = "Text";
inline constexpr std::string_view kEnabled = "Enabled";
inline constexpr std::string_view kVisible = "Visible";
inline constexpr std::string_view kBounds = "Bounds";  // Left, Top, Width or Height
inline constexpr std::string_view kFont = "Font";
inline constexpr std::string_view kListIndex = "ListIndex";
inline constexpr std::string_view kTab = "Tab";
inline constexpr std::string_view kValue = "Value";      // progress bar Min, Max or Value
inline constexpr std::string_view kPicture = "Picture";
inline constexpr std::string_view kIcon = "Icon";
inline constexpr std::string_view kMousePointer = "MousePointer";
}  // namespace prop

class Control : public automation::Dispatch {
 public:
  ~Control() override;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const automation::MemberTable& Members() const override { return members_; }

  ControlKind Kind() const { return kind_; }
  const std::string& Name() const { return name_; }
  WindowHandle Handle() const { return handle_; }  // unique per control, nonzero
  Window* Owner() const { return owner_; }         // the window that holds the control
  const Container& Where() const { return container_; }

  Rect Bounds() const { return bounds_; }
  void SetBounds(const Rect& bounds);

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  const std::string& Tag() const { return tag_; }
  void SetTag(std::string tag);

  // The font; nullptr for a fontless kind.
  Font* GetFont() const { return font_.get(); }
  bool HasFont() const { return font_ != nullptr; }

  // True when a person could use the control now: its window is loaded and visible, the
  // control and every container around it are visible and enabled, and a tab page it lies
  // on is enabled. User actions on a control that is not usable do nothing and return false.
  bool IsUsable() const;

 protected:
  // has_font false makes a fontless kind: no Font/FontName/FontSize/FontBold members.
  Control(ControlKind kind, std::string name, bool has_font);

  // Derived classes add their own members in their constructors.
  automation::MemberTable& Table() { return members_; }

  // Reports a property change to the current front end (only once the control is placed).
  void NotifyChanged(std::string_view property);
  // Reports a change of the items (texts, item data, check marks, tabs).
  void NotifyItemsChanged();

 private:
  friend class Window;
  void Place(Window* owner, Container container, const FontSpec& font);

  ControlKind kind_;
  std::string name_;
  WindowHandle handle_;
  Window* owner_ = nullptr;
  Container container_;
  Rect bounds_;
  bool enabled_ = true;
  bool visible_ = true;
  std::string tag_;
  std::shared_ptr<Font> font_;
  automation::MemberTable members_;
};

}  // namespace prefdesk::ui
