#include "platform/ado/connection.h"
#include "platform/ado/errors.h"
#include "platform/ado/member_arguments.h"
#include "platform/ado/recordset.h"
#include "platform/ado/recordset_impl.h"
#include "platform/automation/conversions.h"
#include "platform/automation/error.h"

namespace prefdesk::ado {

using automation::Arguments;
using automation::MemberKind;
using automation::ParamInfo;
using automation::Variant;

namespace {

// A field named by text or chosen by 0-based position.
Field FieldArgument(Recordset& set, const Arguments& args) {
  const Variant& key = ArgumentAt(args, 0);
  if (key.Type() == automation::VarType::String) return set.GetFields().Item(*key.Get<std::string>());
  return set.GetFields().Item(automation::CLng(key));
}

std::shared_ptr<Connection> ConnectionArgument(const Arguments& args, size_t index) {
  const Variant& value = ArgumentAt(args, index);
  if (value.IsEmptyOrNull()) return nullptr;
  auto connection = std::dynamic_pointer_cast<Connection>(automation::CObj(value));
  if (!connection) {
    automation::Raise(automation::kErrTypeMismatch, kRecordsetSource,
                      "ActiveConnection needs a Connection object.");
  }
  return connection;
}

Variant Done() { return Variant(); }

}  // namespace

const automation::MemberTable& Recordset::Members() const {
  if (impl_->members) return *impl_->members;
  auto table = std::make_unique<automation::MemberTable>();
  auto* self = const_cast<Recordset*>(this);
  const ParamInfo index_param{"Index", "Variant"};
  table->Add({"Fields", 0, MemberKind::PropertyGet, {index_param}, "Variant"},
             [self](Arguments& args) { return FieldArgument(*self, args).Value(); });
  table->Add({"Collect", 1, MemberKind::PropertyGet, {index_param}, "Variant"},
             [self](Arguments& args) { return FieldArgument(*self, args).Value(); });
  table->Add({"Collect", 1, MemberKind::PropertyPut, {index_param, {"Value", "Variant"}}, ""},
             [self](Arguments& args) {
               FieldArgument(*self, args).SetValue(ArgumentAt(args, 1));
               return Done();
             });
  table->Add({"Open", 2, MemberKind::Method,
              {OptionalParam("Source", "String"), OptionalParam("ActiveConnection", "Variant"),
               OptionalParam("CursorType", "Long"), OptionalParam("LockType", "Long"),
               OptionalParam("Options", "Long")},
              ""},
             [self](Arguments& args) {
               self->Open(TextArgument(args, 0), ConnectionArgument(args, 1),
                          NumberArgument(args, 2, -1), NumberArgument(args, 3, -1),
                          NumberArgument(args, 4, -1));
               return Done();
             });
  table->Add({"Close", 3, MemberKind::Method, {}, ""}, [self](Arguments&) {
    self->Close();
    return Done();
  });
  table->Add({"State", 4, MemberKind::PropertyGet, {}, "Long"},
             [self](Arguments&) { return Variant(static_cast<int32_t>(self->State())); });
  table->Add({"EOF", 5, MemberKind::PropertyGet, {}, "Boolean"},
             [self](Arguments&) { return Variant(self->IsEOF()); });
  table->Add({"BOF", 6, MemberKind::PropertyGet, {}, "Boolean"},
             [self](Arguments&) { return Variant(self->IsBOF()); });
  table->Add({"MoveFirst", 7, MemberKind::Method, {}, ""}, [self](Arguments&) {
    self->MoveFirst();
    return Done();
  });
  table->Add({"MoveNext", 8, MemberKind::Method, {}, ""}, [self](Arguments&) {
    self->MoveNext();
    return Done();
  });
  table->Add({"RecordCount", 9, MemberKind::PropertyGet, {}, "Long"},
             [self](Arguments&) { return Variant(static_cast<int32_t>(self->RecordCount())); });
  table->Add({"AbsolutePosition", 10, MemberKind::PropertyGet, {}, "Long"},
             [self](Arguments&) { return Variant(static_cast<int32_t>(self->AbsolutePosition())); });
  table->Add({"AbsolutePosition", 10, MemberKind::PropertyPut, {{"Value", "Long"}}, ""},
             [self](Arguments& args) {
               self->SetAbsolutePosition(NumberArgument(args, 0, 0));
               return Done();
             });
  table->Add({"Filter", 11, MemberKind::PropertyGet, {}, "Variant"},
             [self](Arguments&) { return Variant(self->Filter()); });
  table->Add({"Filter", 11, MemberKind::PropertyPut, {{"Value", "Variant"}}, ""},
             [self](Arguments& args) {
               const Variant& value = ArgumentAt(args, 0);
               // The number 0 (adFilterNone) removes the filter like the empty text.
               const bool none = value.Type() != automation::VarType::String && automation::IsNumeric(value) &&
                                 automation::CDbl(value) == 0;
               self->SetFilter(none ? std::string() : TextArgument(args, 0));
               return Done();
             });
  table->Add({"AddNew", 12, MemberKind::Method, {}, ""}, [self](Arguments&) {
    self->AddNew();
    return Done();
  });
  table->Add({"Update", 13, MemberKind::Method, {}, ""}, [self](Arguments&) {
    self->Update();
    return Done();
  });
  table->Add({"Source", 14, MemberKind::PropertyGet, {}, "String"},
             [self](Arguments&) { return Variant(self->Source()); });
  table->Add({"Source", 14, MemberKind::PropertyPut, {{"Value", "String"}}, ""},
             [self](Arguments& args) {
               self->SetSource(TextArgument(args, 0));
               return Done();
             });
  table->Add({"ActiveConnection", 15, MemberKind::PropertyPutRef, {{"Value", "Connection"}}, ""},
             [self](Arguments& args) {
               self->SetActiveConnection(ConnectionArgument(args, 0));
               return Done();
             });
  impl_->members = std::move(table);
  return *impl_->members;
}

}  // namespace prefdesk::ado
