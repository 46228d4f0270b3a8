// The appearance object: the library's link to the local defaults database, shared by both
// controls. OpenConnection opens the database; Prepare reads the font names the system
// schemes use, which the controls offer as font choices.
//
// Members by name: OpenConnection(ConnectionString) (True when it failed), Prepare().
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ado/connection.h"
#include "platform/automation/dispatch.h"

namespace prefdesk::appearancelib {

class AppearanceObject : public automation::Dispatch {
 public:
  AppearanceObject();
  static std::shared_ptr<AppearanceObject> Create() { return std::make_shared<AppearanceObject>(); }

  const automation::MemberTable& Members() const override { return members_; }
  std::string ClassName() const override { return "AppearanceObject"; }

  // Opens the database the connection string names; true (and no connection) when it cannot.
  bool OpenConnection(const std::string& connection_string);
  // Reads the font choices from the system scheme table. Raises 91 before OpenConnection and
  // what the data layer raises when the table cannot be read.
  void Prepare();

  const std::shared_ptr<ado::Connection>& Connection() const { return connection_; }
  // Distinct font names of the system schemes, in the order first met; empty before Prepare.
  const std::vector<std::string>& FontChoices() const { return font_choices_; }

 private:
  std::shared_ptr<ado::Connection> connection_;
  std::vector<std::string> font_choices_;
  automation::MemberTable members_;
};

using AppearanceObjectRef = std::shared_ptr<AppearanceObject>;

}  // namespace prefdesk::appearancelib
