// Filters that differ only in their quoted values share one parse. The shape of a filter is its
// text with the quoted values taken out; the first filter of a shape that is an equality
// conjunction is parsed, and its fields and the places of its quoted values serve every later
// filter of that shape, which only has its values filled in.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/ado/filter.h"

namespace prefdesk::ado::filter {

// An equality conjunction with its terms in field order.
struct Shape {
  std::vector<int> fields;
  std::vector<Literal> literals;
  std::vector<int> slots;  // per term: the quoted value it takes, in text order; -1 for none
};

class ShapeCache {
 public:
  // Takes the text apart into its shape and quoted values; returns the shape with these values
  // filled in, or nullptr when the shape is not known yet.
  const Shape* Find(std::string_view text);
  // Keeps the parse of the text last given to Find, its "=" terms in text order; returns the
  // shape, or nullptr when the terms do not account for the quoted values.
  const Shape* Remember(std::vector<Term> terms);
  // Field positions are part of a shape: forget them all when the fields change.
  void Clear() { shapes_.clear(); }

 private:
  std::string key_;
  std::vector<std::string> values_;
  std::unordered_map<std::string, Shape> shapes_;
};

}  // namespace prefdesk::ado::filter
