#include "platform/ado/filter_index.h"

#include <algorithm>
#include <functional>

#include "platform/automation/date_text.h"

namespace prefdesk::ado::filter {
namespace {

using Kind = Comparable::Kind;

const std::vector<int> kNoRows;

}  // namespace

size_t EqualityIndex::KeyHash::operator()(const Key& key) const {
  size_t h = key.size();
  for (const auto& part : key) {
    size_t p = std::hash<int>()(static_cast<int>(part.kind));
    p ^= std::hash<double>()(part.number) + 0x9e3779b97f4a7c15ULL + (p << 6) + (p >> 2);
    p ^= std::hash<std::string>()(part.text) + 0x9e3779b97f4a7c15ULL + (p << 6) + (p >> 2);
    h ^= p + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
  }
  return h;
}

EqualityIndex::KeyPart EqualityIndex::PartOf(const Comparable& c) {
  KeyPart part;
  part.kind = c.kind;
  if (c.kind == Kind::Number || c.kind == Kind::Date) part.number = c.number + 0.0;  // -0 is 0
  if (c.kind == Kind::Text) part.text = std::string(c.text);
  return part;
}

EqualityIndex::EqualityIndex(std::vector<int> fields, const Rows& rows)
    : fields_(std::move(fields)), kinds_(fields_.size(), Kind::Null) {
  groups_.reserve(rows.size());
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    Key key;
    key.reserve(fields_.size());
    for (size_t f = 0; f < fields_.size(); ++f) {
      Comparable c = ComparableOf(rows[r][fields_[f]]);
      if (c.kind != Kind::Null && kinds_[f] != c.kind) {
        kinds_[f] = kinds_[f] == Kind::Null ? c.kind : Kind::Other;
      }
      key.push_back(PartOf(c));
    }
    groups_[std::move(key)].push_back(r);
  }
}

const std::vector<int>* EqualityIndex::Lookup(const std::vector<Literal>& literals) const {
  Key key;
  key.reserve(literals.size());
  for (size_t f = 0; f < literals.size(); ++f) {
    const Literal& literal = literals[f];
    KeyPart part;
    if (literal.kind == Literal::Kind::Null) {
      key.push_back(part);
      continue;
    }
    const bool numeric = literal.kind != Literal::Kind::Text;
    switch (kinds_[f]) {
      case Kind::Null:
        return &kNoRows;  // only nulls here, and the value is not null
      case Kind::Number:
      case Kind::Date: {
        part.kind = kinds_[f];
        std::optional<double> n;
        if (numeric) {
          n = literal.number;
        } else if (kinds_[f] == Kind::Number) {
          n = NumberFromText(literal.text);
        } else if (auto d = automation::detail::ParseDateText(literal.text)) {
          n = d->serial;
        }
        if (!n) return &kNoRows;
        part.number = *n + 0.0;
        break;
      }
      case Kind::Text:
        if (literal.kind == Literal::Kind::Number) return nullptr;  // "12" and "12.0" both match
        if (literal.kind == Literal::Kind::Boolean) return &kNoRows;
        part.kind = Kind::Text;
        part.text = literal.text;
        break;
      default:
        return nullptr;
    }
    key.push_back(std::move(part));
  }
  auto it = groups_.find(key);
  return it == groups_.end() ? &kNoRows : &it->second;
}

const std::vector<int>* IndexCache::Find(std::vector<Term> terms, const Rows& rows) {
  std::sort(terms.begin(), terms.end(), [](const Term& a, const Term& b) { return a.field < b.field; });
  std::vector<int> fields;
  std::vector<Literal> literals;
  for (auto& term : terms) {
    fields.push_back(term.field);
    literals.push_back(std::move(term.literal));
  }
  auto it = indexes_.find(fields);
  if (it == indexes_.end()) it = indexes_.try_emplace(fields, fields, rows).first;
  return it->second.Lookup(literals);
}

void IndexCache::InvalidateField(int field) {
  std::erase_if(indexes_, [field](const auto& entry) {
    return std::find(entry.first.begin(), entry.first.end(), field) != entry.first.end();
  });
}

}  // namespace prefdesk::ado::filter
