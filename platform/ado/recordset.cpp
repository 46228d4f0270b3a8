#include "platform/ado/recordset.h"

#include "platform/ado/connection.h"
#include "platform/ado/errors.h"
#include "platform/ado/field_coercion.h"
#include "platform/ado/filter.h"
#include "platform/ado/quote_identifier.h"
#include "platform/ado/recordset_impl.h"
#include "platform/ado/snapshot.h"
#include "platform/automation/conversions.h"
#include "platform/automation/error.h"

namespace prefdesk::ado {

using automation::Variant;

void Recordset::Impl::RequireOpen() const {
  if (!open) RaiseClosed(kRecordsetSource);
}

std::vector<Variant>& Recordset::Impl::Current() {
  RequireOpen();
  int row = CurrentRow();
  if (row < 0) RaiseNoCurrentRecord();
  return rows[row];
}

int Recordset::Impl::IndexOf(std::string_view name) const {
  const uint64_t where = reinterpret_cast<uintptr_t>(name.data()) ^ name.size();
  NameSlot& slot = name_slots[(where * 0x9E3779B97F4A7C15ULL) >> 58];  // 64 slots
  if (slot.data == name.data() && slot.size == name.size() && fields[slot.index].name == name) {
    return slot.index;
  }
  // Names of another length are passed over and the same spelling is taken without the
  // case-blind comparison; the first match wins.
  for (size_t i = 0; i < fields.size(); ++i) {
    const std::string& field = fields[i].name;
    if (field.size() != name.size()) continue;
    if (field == name) {
      slot = {name.data(), name.size(), static_cast<int>(i)};
      return static_cast<int>(i);
    }
    if (automation::EqualsIgnoreCase(field, name)) return static_cast<int>(i);
  }
  return -1;
}

int Recordset::Impl::RequireField(std::string_view name) const {
  int index = IndexOf(name);
  if (index < 0) RaiseItemNotFound(std::string(name));
  return index;
}

void Recordset::Impl::SetValue(int field, Variant value) {
  auto& row = Current();
  CoerceToFieldType(value, fields[field].type);
  row[field] = std::move(value);
  indexes.InvalidateField(field);
}

Recordset::Recordset() : impl_(std::make_unique<Impl>()) {}
Recordset::~Recordset() = default;

std::shared_ptr<Recordset> Recordset::Create() { return std::make_shared<Recordset>(); }

std::shared_ptr<Recordset> Recordset::FromRows(std::vector<FieldDefinition> fields,
                                               std::vector<std::vector<Variant>> rows) {
  for (const auto& row : rows) {
    if (row.size() != fields.size()) {
      RaiseArgument(kRecordsetSource, "Every row needs one value for each of the " +
                                          std::to_string(fields.size()) + " fields.");
    }
  }
  auto set = Create();
  set->impl_->fields = std::move(fields);
  set->impl_->rows = std::move(rows);
  set->impl_->open = true;
  return set;
}

void Recordset::SetActiveConnection(std::shared_ptr<Connection> connection) {
  impl_->connection = std::move(connection);
}
void Recordset::SetSource(std::string source) { impl_->source = std::move(source); }
const std::string& Recordset::Source() const { return impl_->source; }
void Recordset::SetLockType(int lock_type) { impl_->lock_type = lock_type; }
void Recordset::SetCursorType(int cursor_type) { impl_->cursor_type = cursor_type; }
void Recordset::SetCursorLocation(int cursor_location) { impl_->cursor_location = cursor_location; }

void Recordset::Open(const std::string& source, std::shared_ptr<Connection> connection,
                     int cursor_type, int lock_type, int options) {
  Impl& d = *impl_;
  if (d.open) {
    automation::Raise(kErrObjectOpen, kRecordsetSource,
                      "Operation is not allowed when the object is open.");
  }
  if (!source.empty()) d.source = source;
  if (connection) d.connection = std::move(connection);
  if (cursor_type != adOpenUnspecified) d.cursor_type = cursor_type;
  if (lock_type != adLockUnspecified) d.lock_type = lock_type;
  if (d.source.empty()) {
    if (d.connection) RaiseArgument(kRecordsetSource, "The record set has no source to open.");
    if (d.fields.empty()) {
      RaiseArgument(kRecordsetSource, "A record set without a source needs appended fields.");
    }
  } else {
    if (!d.connection || d.connection->State() != adStateOpen) {
      automation::Raise(kErrConnectionUnusable, kRecordsetSource,
                        "The connection cannot be used to perform this operation. It is either "
                        "closed or invalid in this context.");
    }
    const std::string sql = options == adCmdTable ? "SELECT * FROM " + QuoteIdentifier(d.source) : d.source;
    auto snapshot = RunStatements(d.connection->Handle(), sql);
    if (!snapshot) return;  // a statement without rows leaves the set closed
    d.fields = std::move(snapshot->fields);
    d.rows = std::move(snapshot->rows);
    d.FieldsChanged();
  }
  d.open = true;
  d.position = 0;
}

void Recordset::Close() {
  Impl& d = *impl_;
  d.RequireOpen();
  d.open = false;
  d.rows.clear();
  d.visible.clear();
  d.filtered = false;
  d.filter_text.clear();
  d.indexes.Clear();
  d.position = 0;
  if (!d.source.empty()) {  // a source's fields come back with its next Open
    d.fields.clear();
    d.FieldsChanged();
  }
}

int Recordset::State() const { return impl_->open ? adStateOpen : adStateClosed; }

bool Recordset::IsEOF() const {
  impl_->RequireOpen();
  return impl_->position >= impl_->Count();
}

bool Recordset::IsBOF() const {
  impl_->RequireOpen();
  return impl_->Count() == 0;  // the cursor never moves before the first row
}

int Recordset::RecordCount() const {
  impl_->RequireOpen();
  return impl_->Count();
}

void Recordset::MoveFirst() {
  impl_->RequireOpen();
  impl_->position = 0;
}

void Recordset::MoveNext() {
  impl_->RequireOpen();
  if (impl_->position >= impl_->Count()) RaiseNoCurrentRecord();
  ++impl_->position;
}

int Recordset::AbsolutePosition() const {
  impl_->RequireOpen();
  if (impl_->Count() == 0) return -1;
  if (impl_->position >= impl_->Count()) return -3;
  return impl_->position + 1;
}

void Recordset::SetAbsolutePosition(int position) {
  impl_->RequireOpen();
  if (position < 1 || position > impl_->Count()) {
    RaiseArgument(kRecordsetSource, "AbsolutePosition " + std::to_string(position) +
                                        " is outside 1 to " + std::to_string(impl_->Count()) + ".");
  }
  impl_->position = position - 1;
}

void Recordset::SetFilter(std::string_view expression) {
  Impl& d = *impl_;
  d.RequireOpen();
  while (!expression.empty() && expression.front() == ' ') expression.remove_prefix(1);
  while (!expression.empty() && expression.back() == ' ') expression.remove_suffix(1);
  if (expression.empty()) {
    d.filtered = false;
    d.visible.clear();
    d.filter_text.clear();
    d.position = 0;
    return;
  }
  // An index answers straight into the visible rows; otherwise every row is tested.
  const auto answer = [&d](const filter::Shape* shape) {
    return shape != nullptr && d.indexes.Find(shape->fields, shape->literals, d.rows, d.visible);
  };
  if (!answer(d.shapes.Find(expression))) {
    auto parsed = filter::Expression::Parse(expression, [&d](std::string_view name) { return d.IndexOf(name); });
    auto terms = parsed.EqualityConjunction();
    if (!terms || !answer(d.shapes.Remember(std::move(*terms)))) {
      d.visible.clear();
      for (int r = 0; r < static_cast<int>(d.rows.size()); ++r) {
        if (parsed.Matches(d.rows[r])) d.visible.push_back(r);
      }
    }
  }
  d.filtered = true;
  d.filter_text.assign(expression);
  d.position = 0;
}

const std::string& Recordset::Filter() const { return impl_->filter_text; }

void Recordset::AddNew() {
  Impl& d = *impl_;
  d.RequireOpen();
  d.rows.emplace_back(d.fields.size(), Variant::Null());
  const int row = static_cast<int>(d.rows.size()) - 1;
  if (d.filtered) d.visible.push_back(row);  // a new row stays in view until the next filter
  d.position = d.Count() - 1;
  d.indexes.Clear();
}

void Recordset::Update() {
  impl_->RequireOpen();  // values are stored as they are put; nothing is pending
}

void Recordset::SetCollect(std::string_view field, Variant value) {
  impl_->SetValue(impl_->RequireField(field), std::move(value));
}

const Variant& Recordset::Collect(std::string_view field) const {
  return impl_->Current()[impl_->RequireField(field)];
}

const Variant& Recordset::operator[](std::string_view field) const { return Collect(field); }

}  // namespace prefdesk::ado
