#include "platform/ado/connection.h"
#include "platform/ado/member_arguments.h"
#include "platform/ado/recordset.h"

namespace prefdesk::ado {

using automation::Arguments;
using automation::MemberKind;
using automation::Variant;

const automation::MemberTable& Connection::Members() const {
  if (members_) return *members_;
  auto table = std::make_unique<automation::MemberTable>();
  auto* self = const_cast<Connection*>(this);
  table->Add({"ConnectionString", 1, MemberKind::PropertyGet, {}, "String"},
             [self](Arguments&) { return Variant(self->ConnectionString()); });
  table->Add({"ConnectionString", 1, MemberKind::PropertyPut, {{"Value", "String"}}, ""},
             [self](Arguments& args) {
               self->SetConnectionString(TextArgument(args, 0));
               return Variant();
             });
  table->Add({"State", 2, MemberKind::PropertyGet, {}, "Long"},
             [self](Arguments&) { return Variant(static_cast<int32_t>(self->State())); });
  table->Add({"Open", 3, MemberKind::Method, {OptionalParam("ConnectionString", "String")}, ""},
             [self](Arguments& args) {
               self->Open(TextArgument(args, 0));
               return Variant();
             });
  table->Add({"Close", 4, MemberKind::Method, {}, ""}, [self](Arguments&) {
    self->Close();
    return Variant();
  });
  table->Add({"Execute", 5, MemberKind::Method,
              {{"CommandText", "String"}, OptionalParam("RecordsAffected", "Variant"),
               OptionalParam("Options", "Long")},
              "Recordset"},
             [self](Arguments& args) {
               return Variant(automation::ObjectRef(
                   self->Execute(TextArgument(args, 0), NumberArgument(args, 2, -1))));
             });
  members_ = std::move(table);
  return *members_;
}

}  // namespace prefdesk::ado
