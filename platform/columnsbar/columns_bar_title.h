// A title of the column bar with its lists: first-level lists in the order added, each with
// its second-level lists in the order added, and the title's default list.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/automation/dispatch.h"

namespace prefdesk::columnsbar {

class ColumnsBarList : public automation::Dispatch {
 public:
  ColumnsBarList(std::string name, std::string caption, bool visible, std::string parent_name,
                 bool default_visible);

  const std::string& Name() const { return name_; }
  const std::string& Caption() const { return caption_; }
  bool Visible() const { return visible_; }
  // Empty for a first-level list; the first-level list's name for a second-level one.
  const std::string& ParentName() const { return parent_name_; }
  bool DefaultVisible() const { return default_visible_; }
  // The second-level lists of a first-level list.
  const std::vector<std::shared_ptr<ColumnsBarList>>& Lists() const { return lists_; }

  const automation::MemberTable& Members() const override { return members_; }
  std::string ClassName() const override { return "ColumnsBarList"; }

 private:
  friend class ColumnsBarTitle;
  std::string name_;
  std::string caption_;
  bool visible_;
  std::string parent_name_;
  bool default_visible_;
  std::vector<std::shared_ptr<ColumnsBarList>> lists_;
  automation::MemberTable members_;
};

class ColumnsBarTitle : public automation::Dispatch {
 public:
  ColumnsBarTitle(std::string name, std::string caption, bool visible, std::string tag);

  // Adds a first-level list (parent_name empty) or a second-level list under the first-level
  // list of this title named parent_name; raises 5 when there is no such list.
  std::shared_ptr<ColumnsBarList> AddList(const std::string& name, const std::string& caption,
                                          bool visible, const std::string& parent_name,
                                          bool default_visible);
  // Marks a first-level list of this title as the one opened by default (the last call wins);
  // raises 5 when the title has no first-level list of that name.
  void SetDefaultList(const std::string& name);

  const std::string& Name() const { return name_; }
  const std::string& Caption() const { return caption_; }
  bool Visible() const { return visible_; }
  const std::string& Tag() const { return tag_; }
  // Empty when none was set.
  const std::string& DefaultList() const { return default_list_; }
  const std::vector<std::shared_ptr<ColumnsBarList>>& Lists() const { return lists_; }

  const automation::MemberTable& Members() const override { return members_; }
  std::string ClassName() const override { return "ColumnsBarTitle"; }

 private:
  std::shared_ptr<ColumnsBarList> FindList(const std::string& name) const;

  std::string name_;
  std::string caption_;
  bool visible_;
  std::string tag_;
  std::string default_list_;
  std::vector<std::shared_ptr<ColumnsBarList>> lists_;
  automation::MemberTable members_;
};

}  // namespace prefdesk::columnsbar
