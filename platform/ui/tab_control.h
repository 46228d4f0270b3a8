// A tab control: a number of pages with a caption and an enabled state each, and the page
// shown (Tab). Switching the shown page off shows the first enabled page instead; putting Tab
// to a page that is switched off leaves the shown page as it is. Click(previous tab) fires
// whenever the shown page changes.
//
// Members by name: Tabs (get/put), Tab (get/put), TabCaption(Index) (get/put),
// TabEnabled(Index) (get/put). An index out of range raises 381.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/control.h"
#include "platform/ui/errors.h"

namespace prefdesk::ui {

class TabControl : public Control {
 public:
  explicit TabControl(std::string name, int tabs = 1);
  std::string ClassName() const override { return "TabControl"; }

  int Tabs() const { return static_cast<int>(pages_.size()); }
  // Grows with captions "Tab n" or drops pages at the end; raises 380 below 1.
  void SetTabs(int count);
  int Tab() const { return tab_; }
  void SetTab(int index);
  const std::string& TabCaption(int index) const;
  void SetTabCaption(int index, std::string caption);
  bool TabEnabled(int index) const;
  void SetTabEnabled(int index, bool enabled);

  // A person clicks a page's tab; only an enabled page of a usable control can be chosen.
  bool UserSelectTab(int index);

  std::function<void(int previous_tab)> OnClick;

 private:
  struct Page {
    std::string caption;
    bool enabled = true;
  };
  void CheckIndex(int index) const;
  void Show(int index);

  std::vector<Page> pages_;
  int tab_ = 0;
};

}  // namespace prefdesk::ui
