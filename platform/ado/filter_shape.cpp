#include "platform/ado/filter_shape.h"

#include <algorithm>
#include <numeric>

namespace prefdesk::ado::filter {
namespace {

// A record set sees a few shapes; far more would mean values written into the text unquoted.
constexpr size_t kMostShapes = 256;

}  // namespace

// The quoted values are read as the parser reads them ('' stands for a quote). A bracketed
// field name is copied whole, so that a quote inside it is part of the shape.
const Shape* ShapeCache::Find(std::string_view text) {
  key_.clear();
  size_t values = 0;
  for (size_t i = 0; i < text.size();) {
    const char c = text[i];
    if (c == '[') {
      const size_t close = text.find(']', i);
      const size_t end = close == std::string_view::npos ? text.size() : close + 1;
      key_.append(text.substr(i, end - i));
      i = end;
      continue;
    }
    if (c != '\'') {
      size_t next = i + 1;
      while (next < text.size() && text[next] != '\'' && text[next] != '[') ++next;
      key_.append(text.substr(i, next - i));
      i = next;
      continue;
    }
    if (values_.size() <= values) values_.emplace_back();
    std::string& value = values_[values++];
    value.clear();
    for (++i;;) {
      const size_t quote = text.find('\'', i);
      if (quote == std::string_view::npos) return nullptr;  // not closed: the parser says where
      value.append(text.substr(i, quote - i));
      i = quote + 1;
      if (i >= text.size() || text[i] != '\'') break;
      value.push_back('\'');
      ++i;
    }
    key_.append("''");
  }
  values_.resize(values);
  const auto it = shapes_.find(key_);
  if (it == shapes_.end()) return nullptr;
  Shape& shape = it->second;
  for (size_t t = 0; t < shape.slots.size(); ++t) {
    if (shape.slots[t] >= 0) shape.literals[t].text = values_[shape.slots[t]];
  }
  return &shape;
}

const Shape* ShapeCache::Remember(std::vector<Term> terms) {
  std::vector<int> slots(terms.size(), -1);
  int next = 0;
  for (size_t t = 0; t < terms.size(); ++t) {
    if (terms[t].literal.kind == Literal::Kind::Text) slots[t] = next++;
  }
  if (next != static_cast<int>(values_.size())) return nullptr;
  std::vector<size_t> order(terms.size());
  std::iota(order.begin(), order.end(), 0);
  std::sort(order.begin(), order.end(),
            [&](size_t a, size_t b) { return terms[a].field < terms[b].field; });
  Shape shape;
  for (size_t t : order) {
    shape.fields.push_back(terms[t].field);
    shape.literals.push_back(std::move(terms[t].literal));
    shape.slots.push_back(slots[t]);
  }
  if (shapes_.size() >= kMostShapes) shapes_.clear();
  return &(shapes_[key_] = std::move(shape));
}

}  // namespace prefdesk::ado::filter
