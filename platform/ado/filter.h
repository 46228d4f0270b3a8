// Filter expressions of record sets: "Field op value" terms joined by And/Or, with
// parentheses. Values are 'text' ('' stands for a quote), numbers, NULL, TRUE and FALSE.
// An expression is parsed once into a tree; field names are resolved to positions then.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/automation/variant.h"

namespace prefdesk::ado::filter {

enum class Op { Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual };

struct Literal {
  enum class Kind { Null, Number, Boolean, Text };
  Kind kind = Kind::Null;
  double number = 0;  // numbers, and booleans as -1 / 0
  std::string text;   // text values, unquoted
};

// One "Field op value" term.
struct Term {
  int field = 0;
  Op op = Op::Equal;
  Literal literal;
};

// A field value as comparisons see it: booleans are the numbers -1 and 0, empty is null.
struct Comparable {
  enum class Kind { Null, Number, Date, Text, Other };
  Kind kind = Kind::Null;
  double number = 0;      // numbers and date serials
  std::string_view text;  // refers into the value
};
Comparable ComparableOf(const automation::Variant& value);

// The number a whole text reads as, if any.
std::optional<double> NumberFromText(std::string_view text);

// Whether a field value satisfies "value op literal". "= NULL" holds for null and empty,
// "<> NULL" for every other value; any other comparison with a null side is false. Text
// compares with text exactly (case-sensitive); numbers, booleans (-1/0) and dates by value;
// text and number meet when the text reads as a number.
bool Compare(const automation::Variant& value, Op op, const Literal& literal);

class Expression {
 public:
  // Returns the position of a field by name, or -1 when there is none.
  using FieldResolver = std::function<int(std::string_view)>;

  // Raises kErrBadFilter with a message naming the fault and where it is.
  static Expression Parse(std::string_view text, const FieldResolver& resolve);

  bool Matches(const std::vector<automation::Variant>& row) const;

  // The terms, when the expression is only "=" terms joined by And, each on its own field.
  std::optional<std::vector<Term>> EqualityConjunction() const;

  struct Node;

 private:
  explicit Expression(std::shared_ptr<const Node> root) : root_(std::move(root)) {}
  std::shared_ptr<const Node> root_;
};

}  // namespace prefdesk::ado::filter
