// The host's navigation column bar drawn as a widget: one button per visible title, stacked;
// the open title's visible lists stand under its button, each first-level list followed by
// its visible second-level lists, indented. The title's default list is the current one when
// the title opens. One title is open at a time; a click on a title's button opens it.
#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "platform/columnsbar/columns_bar.h"

class QPushButton;
class QTreeWidget;
class QVBoxLayout;

namespace prefdesk::ui_qt {

class ColumnsBarView : public QWidget {
  Q_OBJECT

 public:
  explicit ColumnsBarView(QWidget* parent = nullptr);

  // Shows the bar (nullptr: nothing) with its first visible title open.
  void SetBar(std::shared_ptr<const columnsbar::ColumnsBar> bar);
  // Opens the visible title of that name; false when there is none.
  bool OpenTitle(const std::string& name);
  // The name of the open title, empty when none.
  const std::string& OpenTitleName() const { return open_; }

  // The title buttons in order, and the lists of the open title.
  const std::vector<QPushButton*>& TitleButtons() const { return buttons_; }
  QTreeWidget& Lists() const { return *lists_; }

 signals:
  // A person chose a list of the open title.
  void ListChosen(const QString& title, const QString& list);

 private:
  void FillLists(const columnsbar::ColumnsBarTitle& title);
  void PlaceLists();

  std::shared_ptr<const columnsbar::ColumnsBar> bar_;
  QVBoxLayout* layout_;
  QTreeWidget* lists_;
  std::vector<QPushButton*> buttons_;
  std::vector<std::shared_ptr<columnsbar::ColumnsBarTitle>> shown_titles_;
  std::string open_;
};

}  // namespace prefdesk::ui_qt
