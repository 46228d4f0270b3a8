// Hash indexes that answer equality conjunctions ("A = x And B = y") of a record set's filter
// without scanning its rows. One index per combination of fields, built on first use.
#pragma once

#include <map>
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
  // A key is the values of the fields written one after another into a text: a kind byte,
  // then the number's bytes or the text's length and bytes. Look-ups write into key_, so
  // they allocate nothing once it has grown.
  static void AppendPart(std::string& key, const Comparable& c);

  std::vector<int> fields_;
  // Per field: the one kind its non-null values share; Null when all are null, Other when mixed.
  std::vector<Comparable::Kind> kinds_;
  std::unordered_map<std::string, std::vector<int>> groups_;
  mutable std::string key_;
};

// The indexes of one record set. Whoever changes rows invalidates the affected indexes.
class IndexCache {
 public:
  // The rows whose fields (ascending, each once) equal the literals, or nullptr when no index
  // can answer.
  const std::vector<int>* Find(const std::vector<int>& fields, const std::vector<Literal>& literals,
                               const Rows& rows);
  void Clear() { indexes_.clear(); }
  void InvalidateField(int field);

 private:
  std::map<std::vector<int>, EqualityIndex> indexes_;
};

}  // namespace prefdesk::ado::filter
