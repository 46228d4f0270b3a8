// Hash indexes that answer equality conjunctions ("A = x And B = y") of a record set's filter
// without scanning its rows. One index per combination of fields, built on first use.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/ado/filter.h"

namespace prefdesk::ado::filter {

using Rows = std::vector<std::vector<automation::Variant>>;

class EqualityIndex {
 public:
  EqualityIndex(std::vector<int> fields, const Rows& rows);

  // The rows, in ascending order, whose fields equal the literals (given in field order), or
  // nullptr when the index cannot answer: a field holds values of mixed kinds, or text values
  // are compared with a number.
  const std::vector<int>* Lookup(const std::vector<Literal>& literals) const;

 private:
  struct KeyPart {
    Comparable::Kind kind = Comparable::Kind::Null;
    double number = 0;
    std::string text;
    bool operator==(const KeyPart&) const = default;
  };
  using Key = std::vector<KeyPart>;
  struct KeyHash {
    size_t operator()(const Key& key) const;
  };
  static KeyPart PartOf(const Comparable& c);

  std::vector<int> fields_;
  // Per field: the one kind its non-null values share; Null when all are null, Other when mixed.
  std::vector<Comparable::Kind> kinds_;
  std::unordered_map<Key, std::vector<int>, KeyHash> groups_;
};

// The indexes of one record set. Whoever changes rows invalidates the affected indexes.
class IndexCache {
 public:
  // The rows matching the equality terms, or nullptr when no index can answer them.
  const std::vector<int>* Find(std::vector<Term> terms, const Rows& rows);
  void Clear() { indexes_.clear(); }
  void InvalidateField(int field);

 private:
  std::map<std::vector<int>, EqualityIndex> indexes_;
};

}  // namespace prefdesk::ado::filter
