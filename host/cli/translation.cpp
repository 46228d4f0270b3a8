#include "host/cli/translation.h"

#include <optional>
#include <string_view>
#include <unordered_map>

#include "src/resources/strings.h"

namespace prefdesk::cli {

namespace {

constexpr std::string_view kPart = "{}";

// The varying parts of text when it fits the pattern: its fixed pieces in order, each part
// as short as it can be and never empty.
std::optional<std::vector<std::string>> Fit(std::string_view pattern, std::string_view text) {
  std::vector<std::string_view> pieces;
  for (size_t start = 0;;) {
    const size_t part = pattern.find(kPart, start);
    pieces.push_back(pattern.substr(start, part == std::string_view::npos ? part : part - start));
    if (part == std::string_view::npos) break;
    start = part + kPart.size();
  }
  const std::string_view last = pieces.back();
  if (!text.starts_with(pieces.front()) || !text.ends_with(last) ||
      text.size() < pieces.front().size() + last.size()) {
    return std::nullopt;
  }
  std::vector<std::string> parts;
  size_t at = pieces.front().size();
  const size_t end = text.size() - last.size();
  for (size_t i = 1; i + 1 < pieces.size(); ++i) {
    const size_t found = text.find(pieces[i], at + 1);
    if (found == std::string_view::npos || found + pieces[i].size() > end) return std::nullopt;
    parts.emplace_back(text.substr(at, found - at));
    at = found + pieces[i].size();
  }
  if (at >= end) return std::nullopt;
  parts.emplace_back(text.substr(at, end - at));
  return parts;
}

std::string Fill(std::string_view chinese, const std::vector<std::string>& parts) {
  std::string text;
  size_t next = 0;
  for (size_t i = 0; i < chinese.size(); ++i) {
    const size_t close = chinese[i] == '{' ? chinese.find('}', i) : std::string_view::npos;
    if (close == std::string_view::npos) {
      text += chinese[i];
      continue;
    }
    const std::string_view index = chinese.substr(i + 1, close - i - 1);
    const size_t which = index.empty() ? next++ : std::stoul(std::string(index));
    // A part that is one word (a name, a path, a number) stays as it is.
    const std::string& part = parts.at(which);
    text += part.find(' ') == std::string::npos ? part : Translate(part);
    i = close;
  }
  return text;
}

bool ChineseInterface() { return resources::InterfaceLanguage() == resources::kLangChinese; }

}  // namespace

void LanguageFromArguments(const std::vector<std::string>& args) {
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--") break;
    std::string value;
    if (args[i] == "--lang" && i + 1 < args.size()) {
      value = args[i + 1];
    } else if (args[i].rfind("--lang=", 0) == 0) {
      value = args[i].substr(7);
    }
    if (value == "zh") resources::SetInterfaceLanguage(resources::kLangChinese);
    if (value == "en") resources::SetInterfaceLanguage(resources::kLangEnglish);
  }
}

std::string Translate(const std::string& english) {
  if (!ChineseInterface() || english.empty()) return english;
  static const auto exact = [] {
    std::unordered_map<std::string_view, std::string_view> entries;
    for (const Translation& entry : ChineseMessages()) entries.emplace(entry.english, entry.chinese);
    return entries;
  }();
  if (const auto found = exact.find(english); found != exact.end()) return std::string(found->second);
  // Of the patterns the text fits, the one with the most fixed text says the most.
  const Translation* best = nullptr;
  std::vector<std::string> best_parts;
  size_t best_fixed = 0;
  for (const Translation& entry : ChineseMessages()) {
    const std::string_view pattern = entry.english;
    if (pattern.find(kPart) == std::string_view::npos) continue;
    auto parts = Fit(pattern, english);
    if (!parts) continue;
    const size_t fixed = pattern.size() - parts->size() * kPart.size();
    if (best == nullptr || fixed > best_fixed) {
      best = &entry;
      best_parts = std::move(*parts);
      best_fixed = fixed;
    }
  }
  return best == nullptr ? english : Fill(best->chinese, best_parts);
}

}  // namespace prefdesk::cli
