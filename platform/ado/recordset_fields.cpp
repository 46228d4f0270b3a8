#include <utility>

#include "platform/ado/errors.h"
#include "platform/ado/recordset.h"
#include "platform/ado/recordset_impl.h"
#include "platform/automation/error.h"

namespace prefdesk::ado {

const std::string& Field::Name() const { return owner_->impl_->fields[index_].name; }
int Field::Type() const { return owner_->impl_->fields[index_].type; }
int Field::DefinedSize() const { return owner_->impl_->fields[index_].defined_size; }

const automation::Variant& Field::Value() const { return owner_->impl_->Current()[index_]; }

void Field::SetValue(automation::Variant value) {
  owner_->impl_->SetValue(index_, std::move(value));
}

Field Fields::Item(std::string_view name) const {
  return Field(owner_, owner_->impl_->RequireField(name));
}

Field Fields::Item(int index) const {
  if (index < 0 || index >= Count()) RaiseItemNotFound(std::to_string(index));
  return Field(owner_, index);
}

int Fields::Count() const { return static_cast<int>(owner_->impl_->fields.size()); }

void Fields::Append(std::string name, int type, int defined_size, int attributes) {
  auto& impl = *owner_->impl_;
  if (impl.open) {
    automation::Raise(kErrNotAllowedInContext, kFieldsSource,
                      "Fields cannot be appended to an open record set.");
  }
  if (name.empty()) RaiseArgument(kFieldsSource, "A field needs a name.");
  if (IndexOf(name) >= 0) {
    automation::Raise(kErrObjectInCollection, kFieldsSource,
                      "A field named '" + name + "' is already in the collection.");
  }
  impl.fields.push_back({std::move(name), type, defined_size});
  impl.FieldsChanged();
}

int Fields::IndexOf(std::string_view name) const { return owner_->impl_->IndexOf(name); }

}  // namespace prefdesk::ado
