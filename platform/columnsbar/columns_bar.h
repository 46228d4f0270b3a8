// The host's navigation column bar: titles in the order added, each with its lists. It prints
// itself as an indented text tree and as JSON, both stable for equal contents.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/automation/dispatch.h"
#include "platform/automation/variant.h"
#include "platform/columnsbar/columns_bar_title.h"

namespace prefdesk::columnsbar {

class ColumnsBar : public automation::Dispatch {
 public:
  ColumnsBar();

  // Appends a title. The optional fourth argument is a tag kept with the title (its text).
  std::shared_ptr<ColumnsBarTitle> AddTitle(const std::string& name, const std::string& caption,
                                            bool visible, const automation::Variant& tag = {});

  const std::vector<std::shared_ptr<ColumnsBarTitle>>& Titles() const { return titles_; }
  int32_t Count() const { return static_cast<int32_t>(titles_.size()); }

  // One line per title, list and second-level list, indented by level:
  //   Caption [Name] (hidden, default, not shown by default)
  std::string ToText() const;
  // {"titles":[{"name","caption","visible","tag","default_list","lists":[...]}]}
  std::string ToJson() const;

  const automation::MemberTable& Members() const override { return members_; }
  std::string ClassName() const override { return "ColumnsBar"; }

 private:
  std::vector<std::shared_ptr<ColumnsBarTitle>> titles_;
  automation::MemberTable members_;
};

}  // namespace prefdesk::columnsbar
