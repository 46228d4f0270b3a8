// The system-scheme collection: scheme objects under unique keys, in the order they were added.
// Members by name: AddScheme(Key, Scheme) (True when it failed), Item(Index) (1-based), Count.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/appearancelib/scheme.h"
#include "platform/automation/dispatch.h"

namespace prefdesk::appearancelib {

class SchemeCollection : public automation::Dispatch {
 public:
  SchemeCollection();
  static std::shared_ptr<SchemeCollection> Create() { return std::make_shared<SchemeCollection>(); }

  const automation::MemberTable& Members() const override { return members_; }
  std::string ClassName() const override { return "SchemeCollection"; }

  // Adds the scheme under the key. Fails (true, nothing added) for a missing scheme, an empty
  // key or a key already used (keys compare without regard to case).
  bool AddScheme(const std::string& key, SchemeRef scheme);
  // The scheme at a 1-based index; raises 9 outside 1..Count.
  SchemeRef Item(int index) const;
  int Count() const { return static_cast<int>(entries_.size()); }

 private:
  std::vector<std::pair<std::string, SchemeRef>> entries_;
  automation::MemberTable members_;
};

using SchemeCollectionRef = std::shared_ptr<SchemeCollection>;

}  // namespace prefdesk::appearancelib
