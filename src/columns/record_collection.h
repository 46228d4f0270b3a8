// An ordered collection of shared records, each optionally reachable by a unique text key.
// Positions count from 1; keys compare without regard to the case of ASCII letters.
// Bad positions raise 9 (subscript out of range), unknown keys 5, duplicate keys 457.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#include "platform/automation/variant.h"

namespace prefdesk::columns {

template <typename Record>
class RecordCollection {
 public:
  using RecordRef = std::shared_ptr<Record>;
  using const_iterator = typename std::vector<RecordRef>::const_iterator;

  explicit RecordCollection(std::string class_name) : class_name_(std::move(class_name)) {}

  // Appends the record (or puts it before / after the entry named by a position or key;
  // at most one of them) and stores it under key when key is not empty.
  RecordRef Add(RecordRef record, std::string_view key = {},
                const automation::Variant& before = {}, const automation::Variant& after = {}) {
    if (!before.IsEmpty() && !after.IsEmpty()) {
      automation::Raise(automation::kErrInvalidArgument, class_name_ + ".Add",
                        "Before and After can not both be given");
    }
    if (!key.empty() && FindKey(key) >= 0) {
      automation::Raise(automation::kErrKeyAlreadyUsed, class_name_ + ".Add",
                        "This key is already associated with an element of this collection");
    }
    size_t at = records_.size();
    if (!before.IsEmpty()) at = IndexOf(before, "Add");
    if (!after.IsEmpty()) at = IndexOf(after, "Add") + 1;
    records_.insert(records_.begin() + static_cast<std::ptrdiff_t>(at), record);
    keys_.insert(keys_.begin() + static_cast<std::ptrdiff_t>(at), std::string(key));
    return record;
  }

  // By 1-based position (a number) or by key (a text): Item(1), Item("Accounts").
  RecordRef Item(const automation::Variant& index_or_key) const {
    return records_[IndexOf(index_or_key, "Item")];
  }

  int32_t Count() const { return static_cast<int32_t>(records_.size()); }

  void Remove(const automation::Variant& index_or_key) {
    size_t at = IndexOf(index_or_key, "Remove");
    records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(at));
    keys_.erase(keys_.begin() + static_cast<std::ptrdiff_t>(at));
  }

  // "For each" over the records in collection order.
  const std::vector<RecordRef>& NewEnum() const { return records_; }
  const_iterator begin() const { return records_.begin(); }
  const_iterator end() const { return records_.end(); }

 private:
  static std::string Folded(std::string_view text) { return automation::UCase(text); }

  int64_t FindKey(std::string_view key) const {
    const std::string folded = Folded(key);
    for (size_t i = 0; i < keys_.size(); ++i) {
      if (!keys_[i].empty() && Folded(keys_[i]) == folded) return static_cast<int64_t>(i);
    }
    return -1;
  }

  size_t IndexOf(const automation::Variant& index_or_key, const char* member) const {
    const std::string source = class_name_ + "." + member;
    if (const std::string* key = index_or_key.Get<std::string>()) {
      int64_t at = key->empty() ? -1 : FindKey(*key);
      if (at < 0) {
        automation::Raise(automation::kErrInvalidArgument, source,
                          "Invalid procedure call or argument");
      }
      return static_cast<size_t>(at);
    }
    if (index_or_key.IsEmptyOrNull() || index_or_key.IsObject()) {
      automation::Raise(automation::kErrTypeMismatch, source, "Type mismatch");
    }
    int32_t position = automation::CLng(index_or_key);
    if (position < 1 || position > Count()) {
      automation::Raise(automation::kErrSubscriptOutOfRange, source, "Subscript out of range");
    }
    return static_cast<size_t>(position - 1);
  }

  std::string class_name_;
  std::vector<RecordRef> records_;
  std::vector<std::string> keys_;
};

}  // namespace prefdesk::columns
