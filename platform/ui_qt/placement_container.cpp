// Qt layouts for the controls of one container, for windows whose controls have no boxes.
#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "platform/ui/simple_controls.h"
#include "platform/ui/text_box.h"
#include "platform/ui_qt/fonts.h"
#include "platform/ui_qt/placement.h"

namespace prefdesk::ui_qt {
namespace {

using Kind = ui::ControlKind;

bool IsField(const Member& m) {
  if (m.control->Kind() == Kind::ComboBox) return true;
  const auto* box = dynamic_cast<const ui::TextBox*>(m.control);
  return box != nullptr && !box->MultiLine();
}

bool Is(const Member& m, Kind kind) { return m.control->Kind() == kind; }

// A separator such as ":" between an hour and a minute list.
bool IsShortLabel(const Member& m) {
  const auto* label = dynamic_cast<const ui::Label*>(m.control);
  return label != nullptr && PlainCaption(label->Caption()).size() <= 2;
}

class Builder {
 public:
  Builder(QWidget& container, const std::vector<Member>& members, bool window_level)
      : members_(members), window_level_(window_level), column_(new QVBoxLayout(&container)) {}

  void Build() {
    for (size_t i = 0; i < members_.size();) i = Next(i);
    EndGrid();
    EndColumns();
    EndButtons();
    if (!stretches_) column_->addStretch(1);
    if (!window_buttons_.empty()) {
      auto* row = new QHBoxLayout;
      row->addStretch(1);
      for (QWidget* button : window_buttons_) row->addWidget(button);
      column_->addLayout(row);
    }
  }

 private:
  const Member* At(size_t i) const { return i < members_.size() ? &members_[i] : nullptr; }

  // Lays out what starts at i; returns the index after it.
  size_t Next(size_t i) {
    const Member& m = members_[i];
    const Member* next = At(i + 1);
    if (window_level_ && Is(m, Kind::CommandButton)) {
      window_buttons_.push_back(m.widget);
      return i + 1;
    }
    if (Is(m, Kind::CheckListBox) || (Is(m, Kind::Label) && next && Is(*next, Kind::CheckListBox))) {
      return ListColumn(i);
    }
    if (Is(m, Kind::Label) && next && IsField(*next)) return FieldRow(i);
    if (Is(m, Kind::CommandButton)) {
      EndGrid();
      EndColumns();
      if (buttons_ == nullptr) {
        buttons_ = new QHBoxLayout;
        buttons_->addStretch(1);
        column_->addLayout(buttons_);
      }
      buttons_->addWidget(m.widget);
      return i + 1;
    }
    EndGrid();
    EndColumns();
    EndButtons();
    const bool stretchy = Is(m, Kind::TabControl) || Is(m, Kind::PictureBox) || Is(m, Kind::Custom) ||
                          (Is(m, Kind::TextBox) && !IsField(m));
    if (stretchy) stretches_ = true;
    column_->addWidget(m.widget, stretchy ? 1 : 0);
    return i + 1;
  }

  // A label, its field and what stands beside them: more fields, short separators before a
  // field, and a unit label after the last field.
  size_t FieldRow(size_t i) {
    EndColumns();
    EndButtons();
    if (grid_ == nullptr) {
      grid_ = new QGridLayout;
      column_->addLayout(grid_);
    }
    const int row = grid_->rowCount();
    auto* label = static_cast<QLabel*>(members_[i].widget);
    grid_->addWidget(label, row, 0);
    label->setBuddy(members_[i + 1].widget);
    grid_->addWidget(members_[i + 1].widget, row, 1);
    int column = 2;
    size_t k = i + 2;
    for (const Member* m = At(k); m != nullptr; m = At(k)) {
      const Member* after = At(k + 1);
      const bool separator = IsShortLabel(*m) && after && IsField(*after);
      const bool unit = Is(*m, Kind::Label) && !(after && (IsField(*after) || Is(*after, Kind::CheckListBox)));
      if (!IsField(*m) && !separator && !unit) break;
      grid_->addWidget(m->widget, row, column++);
      ++k;
      if (unit) break;
    }
    grid_->setColumnStretch(1, 1);
    return k;
  }

  // A check list under its label, with the command buttons that follow it in a column beside
  // it; consecutive lists stand side by side.
  size_t ListColumn(size_t i) {
    EndGrid();
    EndButtons();
    if (columns_ == nullptr) {
      columns_ = new QHBoxLayout;
      column_->addLayout(columns_, 1);
      stretches_ = true;
    }
    auto* group = new QVBoxLayout;
    if (Is(members_[i], Kind::Label)) {
      static_cast<QLabel*>(members_[i].widget)->setBuddy(members_[i + 1].widget);
      group->addWidget(members_[i++].widget);
    }
    auto* beside = new QHBoxLayout;
    beside->addWidget(members_[i++].widget, 1);
    auto* buttons = new QVBoxLayout;
    for (; At(i) && Is(members_[i], Kind::CommandButton); ++i) buttons->addWidget(members_[i].widget);
    buttons->addStretch(1);
    beside->addLayout(buttons);
    group->addLayout(beside, 1);
    columns_->addLayout(group, 1);
    return i;
  }

  void EndGrid() { grid_ = nullptr; }
  void EndColumns() { columns_ = nullptr; }
  void EndButtons() { buttons_ = nullptr; }

  const std::vector<Member>& members_;
  bool window_level_;
  QVBoxLayout* column_;
  QGridLayout* grid_ = nullptr;
  QHBoxLayout* columns_ = nullptr;
  QHBoxLayout* buttons_ = nullptr;
  std::vector<QWidget*> window_buttons_;
  bool stretches_ = false;
};

}  // namespace

void LayOutContainer(QWidget& container, const std::vector<Member>& members, bool window_level) {
  Builder(container, members, window_level).Build();
}

}  // namespace prefdesk::ui_qt
