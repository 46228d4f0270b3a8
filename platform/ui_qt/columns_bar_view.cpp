#include "platform/ui_qt/columns_bar_view.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace prefdesk::ui_qt {
namespace {

constexpr int kNameRole = Qt::UserRole;

QTreeWidgetItem* ListItem(const columnsbar::ColumnsBarList& list) {
  auto* item = new QTreeWidgetItem({QString::fromStdString(list.Caption())});
  item->setData(0, kNameRole, QString::fromStdString(list.Name()));
  return item;
}

}  // namespace

ColumnsBarView::ColumnsBarView(QWidget* parent)
    : QWidget(parent), layout_(new QVBoxLayout(this)), lists_(new QTreeWidget(this)) {
  layout_->setContentsMargins(0, 0, 0, 0);
  layout_->setSpacing(1);
  lists_->setObjectName(QStringLiteral("ColumnsBarLists"));
  lists_->setHeaderHidden(true);
  lists_->setRootIsDecorated(false);
  lists_->setItemsExpandable(false);
  lists_->setIndentation(18);
  layout_->addWidget(lists_, 1);
  connect(lists_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
    emit ListChosen(QString::fromStdString(open_), item->data(0, kNameRole).toString());
  });
}

void ColumnsBarView::SetBar(std::shared_ptr<const columnsbar::ColumnsBar> bar) {
  bar_ = std::move(bar);
  for (QPushButton* button : buttons_) delete button;
  buttons_.clear();
  shown_titles_.clear();
  open_.clear();
  lists_->clear();
  if (bar_ != nullptr) {
    for (const auto& title : bar_->Titles()) {
      if (!title->Visible()) continue;
      auto* button = new QPushButton(QString::fromStdString(title->Caption()), this);
      button->setObjectName(QString::fromStdString(title->Name()));
      button->setCheckable(true);
      const std::string name = title->Name();
      connect(button, &QPushButton::clicked, this, [this, name] { OpenTitle(name); });
      buttons_.push_back(button);
      shown_titles_.push_back(title);
    }
  }
  if (!shown_titles_.empty()) {
    OpenTitle(shown_titles_.front()->Name());
  } else {
    PlaceLists();
  }
}

bool ColumnsBarView::OpenTitle(const std::string& name) {
  for (size_t i = 0; i < shown_titles_.size(); ++i) {
    if (shown_titles_[i]->Name() != name) continue;
    open_ = name;
    for (size_t k = 0; k < buttons_.size(); ++k) buttons_[k]->setChecked(k == i);
    FillLists(*shown_titles_[i]);
    PlaceLists();
    return true;
  }
  return false;
}

void ColumnsBarView::FillLists(const columnsbar::ColumnsBarTitle& title) {
  lists_->clear();
  for (const auto& list : title.Lists()) {
    if (!list->Visible()) continue;
    QTreeWidgetItem* item = ListItem(*list);
    for (const auto& son : list->Lists()) {
      if (son->Visible()) item->addChild(ListItem(*son));
    }
    lists_->addTopLevelItem(item);
    item->setExpanded(true);
    if (list->Name() == title.DefaultList()) {
      QFont font = item->font(0);
      font.setBold(true);
      item->setFont(0, font);
      lists_->setCurrentItem(item);
    }
  }
}

void ColumnsBarView::PlaceLists() {
  // The buttons of the open title and those above it, the lists, then the buttons below.
  layout_->removeWidget(lists_);
  for (QPushButton* button : buttons_) layout_->removeWidget(button);
  size_t i = 0;
  for (; i < buttons_.size(); ++i) {
    layout_->addWidget(buttons_[i]);
    if (shown_titles_[i]->Name() == open_) {
      ++i;
      break;
    }
  }
  layout_->addWidget(lists_, 1);
  for (; i < buttons_.size(); ++i) layout_->addWidget(buttons_[i]);
  lists_->setVisible(!open_.empty());
}

}  // namespace prefdesk::ui_qt
