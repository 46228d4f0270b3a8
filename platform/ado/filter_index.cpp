#include "platform/ado/filter_index.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "platform/automation/date_text.h"

namespace prefdesk::ado::filter {
namespace {

using Kind = Comparable::Kind;

}  // namespace

void EqualityIndex::AppendPart(std::string& key, const Comparable& c) {
  key.push_back(static_cast<char>(c.kind));
  if (c.kind == Kind::Number || c.kind == Kind::Date) {
    const double number = c.number + 0.0;  // -0 is 0
    key.append(reinterpret_cast<const char*>(&number), sizeof number);
  } else if (c.kind == Kind::Text) {
    const uint32_t size = static_cast<uint32_t>(c.text.size());
    key.append(reinterpret_cast<const char*>(&size), sizeof size);
    key.append(c.text);
  }
}

EqualityIndex::EqualityIndex(std::vector<int> fields, const Rows& rows)
    : fields_(std::move(fields)), kinds_(fields_.size(), Kind::Null) {
  entries_.reserve(rows.size());
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const size_t offset = keys_.size();
    for (size_t f = 0; f < fields_.size(); ++f) {
      Comparable c = ComparableOf(rows[r][fields_[f]]);
      if (c.kind != Kind::Null && kinds_[f] != c.kind) {
        kinds_[f] = kinds_[f] == Kind::Null ? c.kind : Kind::Other;
      }
      AppendPart(keys_, c);
    }
    const std::string_view key(keys_.data() + offset, keys_.size() - offset);
    entries_.push_back({std::hash<std::string_view>{}(key), r, static_cast<uint32_t>(offset),
                        static_cast<uint32_t>(key.size())});
  }
  std::sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
    return a.hash != b.hash ? a.hash < b.hash : a.row < b.row;
  });
}

std::string_view EqualityIndex::KeyOf(const Entry& entry) const {
  return std::string_view(keys_).substr(entry.offset, entry.size);
}

bool EqualityIndex::Lookup(const std::vector<Literal>& literals, std::vector<int>& out) const {
  key_.clear();
  for (size_t f = 0; f < literals.size(); ++f) {
    const Literal& literal = literals[f];
    Comparable part;
    if (literal.kind == Literal::Kind::Null) {
      AppendPart(key_, part);
      continue;
    }
    const bool numeric = literal.kind != Literal::Kind::Text;
    switch (kinds_[f]) {
      case Kind::Null:
        out.clear();  // only nulls here, and the value is not null
        return true;
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
        if (!n) {
          out.clear();
          return true;
        }
        part.number = *n;
        break;
      }
      case Kind::Text:
        if (literal.kind == Literal::Kind::Number) return false;  // "12" and "12.0" both match
        if (literal.kind == Literal::Kind::Boolean) {
          out.clear();
          return true;
        }
        part.kind = Kind::Text;
        part.text = literal.text;
        break;
      default:
        return false;
    }
    AppendPart(key_, part);
  }
  out.clear();
  const size_t hash = std::hash<std::string_view>{}(key_);
  auto it = std::lower_bound(entries_.begin(), entries_.end(), hash,
                             [](const Entry& e, size_t h) { return e.hash < h; });
  for (; it != entries_.end() && it->hash == hash; ++it) {
    if (KeyOf(*it) == key_) out.push_back(it->row);
  }
  return true;
}

bool IndexCache::Find(const std::vector<int>& fields, const std::vector<Literal>& literals,
                      const Rows& rows, std::vector<int>& out) {
  auto it = indexes_.find(fields);
  if (it == indexes_.end()) it = indexes_.try_emplace(fields, fields, rows).first;
  return it->second.Lookup(literals, out);
}

void IndexCache::InvalidateField(int field) {
  std::erase_if(indexes_, [field](const auto& entry) {
    return std::find(entry.first.begin(), entry.first.end(), field) != entry.first.end();
  });
}

}  // namespace prefdesk::ado::filter
