#include "platform/ado/connection.h"
#include "platform/ado/errors.h"
#include "platform/ado/member_arguments.h"
#include "platform/ado/recordset.h"
#include "platform/ado/recordset_impl.h"
#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#include "platform/automation/member_helpers.h"

namespace prefdesk::ado {

using automation::Arguments;
using automation::MemberKind;
using automation::ParamInfo;
using automation::Variant;
namespace members = automation::members;
using members::In;

namespace {

// A field named by text or chosen by 0-based position.
Field FieldOf(Recordset& set, const Variant& key) {
  if (key.Type() == automation::VarType::String) return set.GetFields().Item(*key.Get<std::string>());
  return set.GetFields().Item(automation::CLng(key));
}

std::shared_ptr<Connection> ConnectionOf(const Variant& value) {
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
  members::Indexed(
      *table, "Fields", 0, "Variant", index_param,
      [self](const Variant& key) { return FieldOf(*self, key).Value(); }, nullptr);
  members::Indexed(
      *table, "Collect", 1, "Variant", index_param,
      [self](const Variant& key) { return FieldOf(*self, key).Value(); },
      [self](const Variant& key, const Variant& value) { FieldOf(*self, key).SetValue(value); });
  members::Method(
      *table, "Open", 2,
      {In("Source", "String", true), In("ActiveConnection", "Variant", true),
       In("CursorType", "Long", true), In("LockType", "Long", true), In("Options", "Long", true)},
      "", [self](Arguments& args) {
        self->Open(TextArgument(args, 0), ConnectionOf(ArgumentAt(args, 1)),
                   NumberArgument(args, 2, -1), NumberArgument(args, 3, -1),
                   NumberArgument(args, 4, -1));
        return Done();
      });
  members::Method(*table, "Close", 3, {}, "", [self](Arguments&) {
    self->Close();
    return Done();
  });
  members::Get(*table, "State", 4, "Long",
               [self] { return Variant(static_cast<int32_t>(self->State())); });
  members::Get(*table, "EOF", 5, "Boolean", [self] { return Variant(self->IsEOF()); });
  members::Get(*table, "BOF", 6, "Boolean", [self] { return Variant(self->IsBOF()); });
  members::Method(*table, "MoveFirst", 7, {}, "", [self](Arguments&) {
    self->MoveFirst();
    return Done();
  });
  members::Method(*table, "MoveNext", 8, {}, "", [self](Arguments&) {
    self->MoveNext();
    return Done();
  });
  members::Get(*table, "RecordCount", 9, "Long",
               [self] { return Variant(static_cast<int32_t>(self->RecordCount())); });
  members::Property(
      *table, "AbsolutePosition", 10, "Long",
      [self] { return Variant(static_cast<int32_t>(self->AbsolutePosition())); },
      [self](const Variant& value) { self->SetAbsolutePosition(NumberValue(value, 0)); });
  members::Property(
      *table, "Filter", 11, "Variant", [self] { return Variant(self->Filter()); },
      [self](const Variant& value) {
        // The number 0 (adFilterNone) removes the filter like the empty text.
        const bool none = value.Type() != automation::VarType::String &&
                          automation::IsNumeric(value) && automation::CDbl(value) == 0;
        self->SetFilter(none ? std::string() : TextValue(value));
      });
  members::Method(*table, "AddNew", 12, {}, "", [self](Arguments&) {
    self->AddNew();
    return Done();
  });
  members::Method(*table, "Update", 13, {}, "", [self](Arguments&) {
    self->Update();
    return Done();
  });
  members::Property(
      *table, "Source", 14, "String", [self] { return Variant(self->Source()); },
      [self](const Variant& value) { self->SetSource(TextValue(value)); });
  members::Put(
      *table, "ActiveConnection", 15, "Connection",
      [self](const Variant& value) { self->SetActiveConnection(ConnectionOf(value)); },
      members::PutSpec{MemberKind::PropertyPutRef});
  impl_->members = std::move(table);
  return *impl_->members;
}

}  // namespace prefdesk::ado
