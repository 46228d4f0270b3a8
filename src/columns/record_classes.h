// The two public record classes: plain value holders whose fields the host reaches by name
// or dispatch id. Not creatable by the host.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/automation/dispatch.h"

namespace prefdesk::columns {

// A title (top-level button of the column bar).
class clsTitleInfo : public automation::Dispatch {
 public:
  clsTitleInfo();
  clsTitleInfo(const clsTitleInfo&) = delete;
  clsTitleInfo& operator=(const clsTitleInfo&) = delete;

  int16_t HButtonID = 0;
  std::string HButtonName;

  const automation::MemberTable& Members() const override { return members_; }
  std::string ClassName() const override { return "clsTitleInfo"; }
  // The member table without an instance, for the registration record.
  static automation::MemberTable DescribeMembers();

 private:
  static automation::MemberTable BuildMembers(clsTitleInfo* self);
  automation::MemberTable members_;
};

// A list (button under a title).
class ClsListInfo : public automation::Dispatch {
 public:
  ClsListInfo();
  ClsListInfo(const ClsListInfo&) = delete;
  ClsListInfo& operator=(const ClsListInfo&) = delete;

  int16_t HButtonID = 0;
  int16_t VButtonID = 0;
  std::string VButtonName;

  const automation::MemberTable& Members() const override { return members_; }
  std::string ClassName() const override { return "ClsListInfo"; }
  static automation::MemberTable DescribeMembers();

 private:
  static automation::MemberTable BuildMembers(ClsListInfo* self);
  automation::MemberTable members_;
};

}  // namespace prefdesk::columns
