#include "platform/ado/connection.h"
#include "platform/ado/member_arguments.h"
#include "platform/ado/recordset.h"
#include "platform/automation/member_helpers.h"

namespace prefdesk::ado {

using automation::Arguments;
using automation::Variant;
namespace members = automation::members;
using members::In;

const automation::MemberTable& Connection::Members() const {
  if (members_) return *members_;
  auto table = std::make_unique<automation::MemberTable>();
  auto* self = const_cast<Connection*>(this);
  members::Property(
      *table, "ConnectionString", 1, "String", [self] { return Variant(self->ConnectionString()); },
      [self](const Variant& value) { self->SetConnectionString(TextValue(value)); });
  members::Get(*table, "State", 2, "Long",
               [self] { return Variant(static_cast<int32_t>(self->State())); });
  members::Method(*table, "Open", 3, {In("ConnectionString", "String", true)}, "",
                  [self](Arguments& args) {
                    self->Open(TextArgument(args, 0));
                    return Variant();
                  });
  members::Method(*table, "Close", 4, {}, "", [self](Arguments&) {
    self->Close();
    return Variant();
  });
  members::Method(*table, "Execute", 5,
                  {In("CommandText", "String"), In("RecordsAffected", "Variant", true),
                   In("Options", "Long", true)},
                  "Recordset", [self](Arguments& args) {
                    return Variant(automation::ObjectRef(
                        self->Execute(TextArgument(args, 0), NumberArgument(args, 2, -1))));
                  });
  members_ = std::move(table);
  return *members_;
}

}  // namespace prefdesk::ado
