#include <cctype>
#include <vector>

#include "platform/automation/conversions.h"
#include "platform/automation/date_text.h"

namespace prefdesk::automation {
namespace {

constexpr const char* kMonthNames[] = {"January", "February", "March",     "April",
                                       "May",     "June",     "July",      "August",
                                       "September", "October", "November", "December"};
constexpr const char* kDayNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                     "Thursday", "Friday", "Saturday"};

// One piece of a pattern: a run of one placeholder letter, or literal text.
struct Token {
  char letter = 0;  // lower-case y, m, d, h, n, s; 'a' for an AM/PM marker; 0 for literal
  size_t length = 0;
  std::string text;  // the literal, or the marker as written ("AM/PM", "am/pm", "A/P", "a/p")
};

std::vector<Token> Tokenize(std::string_view pattern) {
  std::vector<Token> tokens;
  auto literal = [&tokens](std::string_view piece) {
    if (tokens.empty() || tokens.back().letter != 0) tokens.push_back(Token{});
    tokens.back().text += piece;
  };
  for (size_t i = 0; i < pattern.size();) {
    const char c = pattern[i];
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == 'a') {
      bool matched = false;
      for (std::string_view marker : {"AM/PM", "A/P"}) {
        const std::string_view here = pattern.substr(i, marker.size());
        if (EqualsIgnoreCase(here, marker)) {
          tokens.push_back(Token{'a', marker.size(), std::string(here)});
          i += marker.size();
          matched = true;
          break;
        }
      }
      if (!matched) literal(pattern.substr(i++, 1));
    } else if (std::string_view("ymdhns").find(lower) != std::string_view::npos) {
      size_t j = i;
      while (j < pattern.size() && std::tolower(static_cast<unsigned char>(pattern[j])) == lower) ++j;
      tokens.push_back(Token{lower, j - i, {}});
      i = j;
    } else if (c == '"') {
      const size_t end = pattern.find('"', i + 1);
      const size_t stop = end == std::string_view::npos ? pattern.size() : end;
      literal(pattern.substr(i + 1, stop - i - 1));
      i = stop == pattern.size() ? stop : stop + 1;
    } else if (c == '\\' && i + 1 < pattern.size()) {
      literal(pattern.substr(i + 1, 1));
      i += 2;
    } else {
      literal(pattern.substr(i++, 1));
    }
  }
  return tokens;
}

// An m directly after an hour or directly before a second means minutes.
void MarkMinutes(std::vector<Token>& tokens) {
  char previous = 0;
  for (size_t i = 0; i < tokens.size(); ++i) {
    Token& t = tokens[i];
    if (t.letter == 0) continue;
    if (t.letter == 'm' && t.length <= 2) {
      char next = 0;
      for (size_t k = i + 1; k < tokens.size() && next == 0; ++k) next = tokens[k].letter;
      if (previous == 'h' || next == 's') t.letter = 'n';
    }
    previous = t.letter;
  }
}

std::string Padded(int value, size_t width) {
  std::string text = std::to_string(value);
  if (text.size() < width) text.insert(0, width - text.size(), '0');
  return text;
}

}  // namespace

std::string Format(Date d, std::string_view pattern) {
  const detail::DateParts p = detail::SplitDate(d);
  std::vector<Token> tokens = Tokenize(pattern);
  MarkMinutes(tokens);
  bool twelve_hour = false;
  for (const Token& t : tokens) twelve_hour |= t.letter == 'a';
  const bool pm = p.hour >= 12;
  const int hour = twelve_hour ? (p.hour % 12 == 0 ? 12 : p.hour % 12) : p.hour;
  const int day_of_year = static_cast<int>(p.day_index - detail::DayIndexFromCivil(p.year, 1, 1)) + 1;

  std::string out;
  for (const Token& t : tokens) {
    const size_t width = t.length >= 2 ? 2 : 1;
    switch (t.letter) {
      case 0: out += t.text; break;
      case 'y':
        if (t.length >= 3) out += Padded(p.year, 4);
        else if (t.length == 2) out += Padded(p.year % 100, 2);
        else out += std::to_string(day_of_year);
        break;
      case 'm':
        if (t.length >= 4) out += kMonthNames[p.month - 1];
        else if (t.length == 3) out += std::string(kMonthNames[p.month - 1], 3);
        else out += Padded(p.month, width);
        break;
      case 'd':
        if (t.length >= 4) out += kDayNames[p.weekday];
        else if (t.length == 3) out += std::string(kDayNames[p.weekday], 3);
        else out += Padded(p.day, width);
        break;
      case 'h': out += Padded(hour, width); break;
      case 'n': out += Padded(p.minute, width); break;
      case 's': out += Padded(p.second, width); break;
      case 'a': {
        // The marker's own case decides the output's: AM/PM, am/pm, A/P or a/p.
        const bool upper = std::isupper(static_cast<unsigned char>(t.text[0])) != 0;
        std::string marker = t.length == 5 ? (pm ? "PM" : "AM") : (pm ? "P" : "A");
        if (!upper) {
          for (char& c : marker) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        out += marker;
        break;
      }
    }
  }
  return out;
}

}  // namespace prefdesk::automation
