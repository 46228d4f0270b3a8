// Hash indexes that answer equality conjunctions ("A = x And B = y") of a record set's filter
// without scanning its rows. One index per combination of fields, built on first use.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ado/filter.h"

namespace prefdesk::ado::filter {

using Rows = std::vector<std::vector<automation::Variant>>;

class EqualityIndex {
 public:
  EqualityIndex(std::vector<int> fields, const Rows& rows);

  // Puts the rows, in ascending order, whose fields equal the literals (given in field order)
  // into `out`; false, with `out` untouched, when the index cannot answer: a field holds
  // values of mixed kinds, or text values are compared with a number.
  bool Lookup(const std::vector<Literal>& literals, std::vector<int>& out) const;

 private:
  // A key is the values of the fields written one after another into a text: a kind byte,
  // then the number's bytes or the text's length and bytes. The keys of all rows stand one
  // after another in keys_; look-ups write into key_, so they allocate nothing once it has
  // grown.
  static void AppendPart(std::string& key, const Comparable& c);
  // Per row: the hash of its key, the row, and where its key stands in keys_; sorted by hash
  // and then row, so that the rows of a key lie together in ascending order.
  struct Entry {
    size_t hash;
    int row;
    uint32_t offset;
    uint32_t size;
  };
  std::string_view KeyOf(const Entry& entry) const;

  std::vector<int> fields_;
  // Per field: the one kind its non-null values share; Null when all are null, Other when mixed.
  std::vector<Comparable::Kind> kinds_;
  std::string keys_;
  std::vector<Entry> entries_;  // one a row
  mutable std::string key_;
};

// The indexes of one record set. Whoever changes rows invalidates the affected indexes.
class IndexCache {
 public:
  // Puts the rows whose fields (ascending, each once) equal the literals into `out`; false
  // when no index can answer.
  bool Find(const std::vector<int>& fields, const std::vector<Literal>& literals, const Rows& rows,
            std::vector<int>& out);
  void Clear() { indexes_.clear(); }
  void InvalidateField(int field);

 private:
  std::map<std::vector<int>, EqualityIndex> indexes_;
};

}  // namespace prefdesk::ado::filter
