// The Qt widgets of one loaded model window: a ModelDialog holding one widget per control,
// each widget parented to its container (the dialog, a frame's group box or a tab page) and
// named like its control. The model is the truth: its changes are mirrored into the widgets,
// and a person's input on a widget becomes the model's user action, after which the control
// is mirrored back (the model may have refused or changed what was asked). While the view
// mirrors the model, widget signals are ignored, so a change made by code never comes back
// as a user action.
//
// Batches: a property is mirrored when it changes, but the items of a list and the placement
// wait for the end of the batch of changes they belong to: the end of a person's action, the
// window's showing, a message box, pending-message processing, or else the next turn of the
// event loop (one queued flush). Each list is then mirrored in one pass and the window
// arranged once; nothing is queued while nothing changes.
//
// Placement: when the window and all its controls have sizes, the model's boxes are used,
// scaled so that every text fits; otherwise the controls are laid out by container with Qt
// layouts. The first arrangement, at the window's showing, fixes the window's size: what the
// lists and texts hold then decides it, and later changes scroll or elide within it.
#pragma once

#include <QPointer>
#include <QRect>
#include <map>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/ui/control.h"
#include "platform/ui/window.h"
#include "platform/ui_qt/model_dialog.h"
#include "platform/ui_qt/placement.h"

class QTabWidget;

namespace prefdesk::ui_qt {

enum class PlacementPolicy {
  Automatic,  // the model's boxes when every control has one, else layouts
  Layouts,    // always layouts
};

class WindowView : public std::enable_shared_from_this<WindowView> {
 public:
  // Builds the dialog and the widgets of every control the window holds.
  static std::shared_ptr<WindowView> Create(ui::Window& window, PlacementPolicy policy);
  ~WindowView();
  WindowView(const WindowView&) = delete;
  WindowView& operator=(const WindowView&) = delete;

  ui::Window& Model() const { return window_; }
  ModelDialog& Widget() const { return *dialog_; }
  QWidget* WidgetOf(const ui::Control& control) const;
  // The dialog or a control's widget by its model handle; nullptr when none.
  QWidget* WidgetOf(ui::WindowHandle handle) const;
  bool UsesModelBoxes() const;

  void AddControl(ui::Control& control);
  // Notifications of the model.
  void WindowChanged(std::string_view property);
  void ControlChanged(ui::Control& control, std::string_view property);
  void ItemsChanged(ui::Control& control);

  // Places the controls and shows the dialog centred over `over` (the screen when null).
  void Show(bool modal, const QWidget* over);
  // Ends the current batch: mirrors the items of the lists that changed, then arranges when a
  // change asked for it.
  void Flush();

  // How often the view placed its widgets and mirrored a list's items, since it was made.
  struct Passes {
    int arranges = 0;
    int item_syncs = 0;
  };
  const Passes& PassCount() const { return passes_; }

 private:
  WindowView(ui::Window& window, PlacementPolicy policy);

  // window_view_controls.cpp: widgets and the wiring of a person's input.
  QWidget* CreateWidget(ui::Control& control, QWidget* parent);
  void WireButton(ui::Control& control, QWidget* widget);
  void WireTextBox(ui::Control& control, QWidget* widget);
  void WireComboBox(ui::Control& control, QWidget* widget);
  void WireCheckList(ui::Control& control, QWidget* widget);
  void WireTabs(ui::Control& control, QWidget* widget);
  void WireSchemeList(ui::Control& control, QWidget* widget);
  void WireDialog();
  // Runs a person's action unless the view is mirroring the model, then ends the batch and
  // mirrors the control.
  template <typename Action>
  static void Act(const std::weak_ptr<WindowView>& weak, ui::Control& control, Action action);

  // window_view_sync.cpp: model to widgets.
  void SyncWindow(std::string_view property);
  void SyncControl(ui::Control& control, std::string_view property);
  void SyncItems(ui::Control& control);
  void SyncAll(ui::Control& control);
  // Queues one Flush on the event loop unless one is queued or the dialog is not shown.
  void FlushLater();
  void SyncTabPages(ui::Control& control, QTabWidget& tabs);
  // A text box whose MultiLine changed gets a widget of the other kind.
  void ReplaceWidget(ui::Control& control);

  // window_view_arrange.cpp
  void Arrange();
  // Asks for an Arrange at the end of the batch, after the first one. Once the size is fixed
  // only a change of the model's boxes (`structural` false) matters, and only to the model's
  // boxes; a structural one (a new or replaced widget) matters to both placements.
  void ArrangeLater(bool structural);
  void PlaceByModelBoxes();
  void PlaceTabPages(const ui::Control& tabs);
  void LayOut();
  // Gives each label the field that follows it in its container, for its '&' mnemonic.
  void AssignBuddies(const std::vector<Member>& members);
  QWidget* ContainerWidget(const ui::Container& where) const;
  std::vector<Member> AllMembers() const;
  std::vector<Member> MembersOf(const ui::Control* parent, int tab) const;

  ui::Window& window_;
  PlacementPolicy policy_;
  QPointer<ModelDialog> dialog_;
  std::map<const ui::Control*, QPointer<QWidget>> widgets_;
  // Scaled model boxes, in the coordinates of the control's container in the model (a tab
  // page's controls: the tab control's).
  std::map<const ui::Control*, QRect> boxes_;
  Scale scale_;
  // The first Arrange fixed the scale and the window's size.
  bool arranged_ = false;
  bool arrange_pending_ = false;
  bool flush_queued_ = false;
  // Lists whose items changed since the last Flush, in the order of their first change.
  std::vector<ui::Control*> items_pending_;
  TextWidths widths_;
  int syncing_ = 0;
  Passes passes_;
};

}  // namespace prefdesk::ui_qt
