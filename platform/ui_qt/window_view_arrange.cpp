// Placing the widgets: by the model's boxes, scaled to fit, or by Qt layouts per container.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QTabWidget>
#include <algorithm>

#include "platform/ui/simple_controls.h"
#include "platform/ui/tab_control.h"
#include "platform/ui_qt/window_view.h"

namespace prefdesk::ui_qt {
namespace {

bool TakesBuddy(const ui::Control& control) {
  switch (control.Kind()) {
    case ui::ControlKind::TextBox:
    case ui::ControlKind::ComboBox:
    case ui::ControlKind::CheckListBox:
      return true;
    default:
      return false;
  }
}

bool SamePlace(const ui::Container& a, const ui::Container& b) { return a.parent == b.parent && a.tab == b.tab; }

}  // namespace

QWidget* WindowView::ContainerWidget(const ui::Container& where) const {
  if (where.parent == nullptr) return dialog_;
  QWidget* container = WidgetOf(*where.parent);
  if (auto* tabs = qobject_cast<QTabWidget*>(container)) return tabs->widget(where.tab);
  return container;
}

std::vector<Member> WindowView::AllMembers() const {
  std::vector<Member> members;
  for (const auto& control : window_.Controls()) {
    if (QWidget* widget = WidgetOf(*control)) members.push_back({control.get(), widget});
  }
  return members;
}

std::vector<Member> WindowView::MembersOf(const ui::Control* parent, int tab) const {
  std::vector<Member> members;
  for (const Member& m : AllMembers()) {
    if (SamePlace(m.control->Where(), {const_cast<ui::Control*>(parent), tab})) members.push_back(m);
  }
  return members;
}

void WindowView::Arrange() {
  arrange_pending_ = false;
  if (!dialog_) return;
  ++passes_.arranges;
  if (UsesModelBoxes()) {
    PlaceByModelBoxes();
  } else {
    LayOut();
  }
  arranged_ = true;
}

void WindowView::ArrangeLater(bool structural) {
  // Until the first Arrange, the showing places everything.
  if (!arranged_ || (!structural && !UsesModelBoxes())) return;
  arrange_pending_ = true;
  FlushLater();
}

void WindowView::AssignBuddies(const std::vector<Member>& members) {
  for (size_t i = 0; i < members.size(); ++i) {
    auto* label = qobject_cast<QLabel*>(members[i].widget);
    if (label == nullptr || members[i].control->Kind() != ui::ControlKind::Label) continue;
    const bool field_follows = i + 1 < members.size() && TakesBuddy(*members[i + 1].control) &&
                               SamePlace(members[i].control->Where(), members[i + 1].control->Where());
    label->setBuddy(field_follows ? members[i + 1].widget : nullptr);
  }
  for (const Member& m : members) {
    if (m.control->Kind() == ui::ControlKind::Label) SyncControl(*m.control, ui::prop::kCaption);
  }
}

void WindowView::PlaceByModelBoxes() {
  const std::vector<Member> members = AllMembers();
  AssignBuddies(members);
  // Later texts do not change the scale: the window keeps its size under the pointer.
  if (!arranged_) scale_ = FitScale(members, widths_);
  boxes_.clear();
  std::vector<QRect> window_level;
  for (const Member& m : members) {
    const QRect box = Scaled(m.control->Bounds(), scale_);
    boxes_[m.control] = box;
    const ui::Control* parent = m.control->Where().parent;
    if (parent == nullptr) window_level.push_back(box);
    if (parent == nullptr || parent->Kind() != ui::ControlKind::TabControl) m.widget->setGeometry(box);
  }
  QSize client = ClientSize(window_level);
  if (client.isEmpty()) client = Scaled(window_.Bounds(), scale_).size();
  dialog_->setFixedSize(client);
  for (const Member& m : members) {
    if (m.control->Kind() == ui::ControlKind::TabControl) PlaceTabPages(*m.control);
  }
}

void WindowView::PlaceTabPages(const ui::Control& tabs) {
  auto* widget = qobject_cast<QTabWidget*>(WidgetOf(tabs));
  if (widget == nullptr) return;
  for (const auto& control : window_.Controls()) {
    if (control->Where().parent != &tabs) continue;
    QWidget* page = widget->widget(control->Where().tab);
    QWidget* child = WidgetOf(*control);
    const auto box = boxes_.find(control.get());
    if (page == nullptr || child == nullptr || box == boxes_.end()) continue;
    // The model places a page's controls relative to the tab control, tabs included.
    child->setGeometry(box->second.translated(-page->mapTo(widget, QPoint(0, 0))));
  }
}

void WindowView::LayOut() {
  const std::vector<Member> members = AllMembers();
  const auto rebuild = [](QWidget* container) { delete container->layout(); };
  rebuild(dialog_);
  LayOutContainer(*dialog_, MembersOf(nullptr, -1), true);
  for (const Member& m : members) {
    if (m.control->Kind() == ui::ControlKind::Frame) {
      rebuild(m.widget);
      LayOutContainer(*m.widget, MembersOf(m.control, -1), false);
    } else if (auto* tabs = qobject_cast<QTabWidget*>(m.widget)) {
      for (int page = 0; page < tabs->count(); ++page) {
        rebuild(tabs->widget(page));
        LayOutContainer(*tabs->widget(page), MembersOf(m.control, page), false);
      }
    }
  }
  for (const Member& m : members) {
    if (m.control->Kind() == ui::ControlKind::Label) SyncControl(*m.control, ui::prop::kCaption);
  }
  if (!arranged_) {
    // What the boxes hold at the showing decides the size; later contents live within it, so
    // the window stays put under the pointer.
    for (const Member& m : members) {
      if (auto* combo = qobject_cast<QComboBox*>(m.widget)) combo->setMinimumWidth(ComboContentWidth(*combo, widths_));
    }
    dialog_->setMinimumSize(0, 0);
    dialog_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    dialog_->adjustSize();
  }
  dialog_->setFixedSize(dialog_->size());
}

}  // namespace prefdesk::ui_qt
