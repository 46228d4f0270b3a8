#include "platform/ado/filter.h"

#include <cctype>

#include "platform/ado/errors.h"
#include "platform/automation/conversions.h"
#include "platform/automation/date_text.h"
#include "platform/automation/numeric_text.h"

namespace prefdesk::ado::filter {

using automation::Variant;
using automation::VarType;

struct Expression::Node {
  enum class Kind { Term, And, Or };
  Kind kind = Kind::Term;
  Term term;
  std::vector<std::shared_ptr<const Node>> children;
};

Comparable ComparableOf(const Variant& value) {
  Comparable c;
  switch (value.Type()) {
    case VarType::Empty:
    case VarType::Null:
      c.kind = Comparable::Kind::Null;
      break;
    case VarType::Boolean:
      c.kind = Comparable::Kind::Number;
      c.number = *value.Get<bool>() ? -1 : 0;
      break;
    case VarType::Integer:
      c.kind = Comparable::Kind::Number;
      c.number = *value.Get<int16_t>();
      break;
    case VarType::Long:
      c.kind = Comparable::Kind::Number;
      c.number = *value.Get<int32_t>();
      break;
    case VarType::Single:
      c.kind = Comparable::Kind::Number;
      c.number = *value.Get<float>();
      break;
    case VarType::Double:
      c.kind = Comparable::Kind::Number;
      c.number = *value.Get<double>();
      break;
    case VarType::Currency:
      c.kind = Comparable::Kind::Number;
      c.number = value.Get<automation::Currency>()->ToDouble();
      break;
    case VarType::Date:
      c.kind = Comparable::Kind::Date;
      c.number = value.Get<automation::Date>()->serial;
      break;
    case VarType::String:
      c.kind = Comparable::Kind::Text;
      c.text = *value.Get<std::string>();
      break;
    default:
      c.kind = Comparable::Kind::Other;
      break;
  }
  return c;
}

std::optional<double> NumberFromText(std::string_view text) {
  auto decimal = automation::detail::ParseDecimalText(text);
  if (!decimal) return std::nullopt;
  return automation::detail::DecimalToDouble(*decimal);
}

namespace {

template <typename T>
bool Ordered(const T& a, Op op, const T& b) {
  switch (op) {
    case Op::Equal: return a == b;
    case Op::NotEqual: return a != b;
    case Op::Less: return a < b;
    case Op::Greater: return a > b;
    case Op::LessEqual: return a <= b;
    case Op::GreaterEqual: return a >= b;
  }
  return false;
}

bool IsNumeric(const Literal& literal) {
  return literal.kind == Literal::Kind::Number || literal.kind == Literal::Kind::Boolean;
}

}  // namespace

bool Compare(const Variant& value, Op op, const Literal& literal) {
  const Comparable c = ComparableOf(value);
  if (literal.kind == Literal::Kind::Null) {
    if (op == Op::Equal) return c.kind == Comparable::Kind::Null;
    if (op == Op::NotEqual) return c.kind != Comparable::Kind::Null;
    return false;
  }
  switch (c.kind) {
    case Comparable::Kind::Number:
      if (IsNumeric(literal)) return Ordered(c.number, op, literal.number);
      if (auto n = NumberFromText(literal.text)) return Ordered(c.number, op, *n);
      return false;
    case Comparable::Kind::Date:
      if (IsNumeric(literal)) return Ordered(c.number, op, literal.number);
      if (auto d = automation::detail::ParseDateText(literal.text)) return Ordered(c.number, op, d->serial);
      return false;
    case Comparable::Kind::Text:
      if (literal.kind == Literal::Kind::Text) return Ordered(c.text, op, std::string_view(literal.text));
      if (literal.kind == Literal::Kind::Number) {
        if (auto n = NumberFromText(c.text)) return Ordered(*n, op, literal.number);
      }
      return false;
    default:
      return false;
  }
}

namespace {

using Node = Expression::Node;
using NodePtr = std::shared_ptr<const Node>;

bool IsWordChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || static_cast<unsigned char>(c) >= 0x80;
}

// Recursive descent over: or := and {Or and}; and := primary {And primary};
// primary := "(" or ")" | field op value.
class Parser {
 public:
  Parser(std::string_view text, const Expression::FieldResolver& resolve)
      : text_(text), resolve_(resolve) {}

  NodePtr ParseAll() {
    NodePtr root = ParseOr();
    SkipBlanks();
    if (pos_ < text_.size()) Fail("unexpected text");
    return root;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) {
    RaiseArgument(kRecordsetSource, "The filter \"" + std::string(text_) + "\" is not valid: " +
                                        what + " at position " + std::to_string(pos_ + 1) + ".");
  }

  void SkipBlanks() {
    while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
  }

  // The next word (letters, digits, '_'), without consuming it.
  std::string_view PeekWord() {
    SkipBlanks();
    size_t end = pos_;
    while (end < text_.size() && IsWordChar(text_[end])) ++end;
    return text_.substr(pos_, end - pos_);
  }

  bool TakeKeyword(std::string_view keyword) {
    std::string_view word = PeekWord();
    if (!automation::EqualsIgnoreCase(word, keyword)) return false;
    pos_ += word.size();
    return true;
  }

  NodePtr Join(Node::Kind kind, NodePtr (Parser::*operand)(), std::string_view keyword) {
    NodePtr first = (this->*operand)();
    if (!TakeKeyword(keyword)) return first;
    auto node = std::make_shared<Node>();
    node->kind = kind;
    node->children.push_back(std::move(first));
    do {
      node->children.push_back((this->*operand)());
    } while (TakeKeyword(keyword));
    return node;
  }

  NodePtr ParseOr() { return Join(Node::Kind::Or, &Parser::ParseAnd, "Or"); }
  NodePtr ParseAnd() { return Join(Node::Kind::And, &Parser::ParsePrimary, "And"); }

  NodePtr ParsePrimary() {
    SkipBlanks();
    if (pos_ < text_.size() && text_[pos_] == '(') {
      ++pos_;
      NodePtr inner = ParseOr();
      SkipBlanks();
      if (pos_ >= text_.size() || text_[pos_] != ')') Fail("a closing parenthesis is missing");
      ++pos_;
      return inner;
    }
    auto node = std::make_shared<Node>();
    node->term.field = ParseField();
    node->term.op = ParseOp();
    node->term.literal = ParseLiteral();
    return node;
  }

  int ParseField() {
    SkipBlanks();
    std::string_view name;
    if (pos_ < text_.size() && text_[pos_] == '[') {
      size_t close = text_.find(']', pos_);
      if (close == std::string_view::npos) Fail("a closing bracket is missing");
      name = text_.substr(pos_ + 1, close - pos_ - 1);
      pos_ = close + 1;
    } else {
      name = PeekWord();
      if (name.empty()) Fail("a field name is expected");
      pos_ += name.size();
    }
    int field = resolve_(name);
    if (field < 0) {
      pos_ -= name.size();
      Fail("there is no field named '" + std::string(name) + "'");
    }
    return field;
  }

  Op ParseOp() {
    SkipBlanks();
    auto starts = [&](std::string_view op) { return text_.substr(pos_, op.size()) == op; };
    static constexpr std::pair<std::string_view, Op> kOps[] = {
        {"<>", Op::NotEqual}, {"<=", Op::LessEqual}, {">=", Op::GreaterEqual},
        {"=", Op::Equal},     {"<", Op::Less},       {">", Op::Greater}};
    for (const auto& [text, op] : kOps) {
      if (starts(text)) {
        pos_ += text.size();
        return op;
      }
    }
    Fail("a comparison operator (=, <>, <, >, <=, >=) is expected");
  }

  Literal ParseLiteral() {
    SkipBlanks();
    Literal literal;
    if (pos_ >= text_.size()) Fail("a value is expected");
    if (text_[pos_] == '\'') return ParseText();
    if (TakeKeyword("NULL")) return literal;
    for (auto [word, number] : {std::pair{"TRUE", -1.0}, std::pair{"FALSE", 0.0}}) {
      if (TakeKeyword(word)) {
        literal.kind = Literal::Kind::Boolean;
        literal.number = number;
        return literal;
      }
    }
    size_t end = pos_;
    if (end < text_.size() && (text_[end] == '-' || text_[end] == '+')) ++end;
    while (end < text_.size() && (std::isalnum(static_cast<unsigned char>(text_[end])) ||
                                  text_[end] == '.' ||
                                  ((text_[end] == '-' || text_[end] == '+') &&
                                   (text_[end - 1] == 'e' || text_[end - 1] == 'E')))) {
      ++end;
    }
    auto number = NumberFromText(text_.substr(pos_, end - pos_));
    if (!number) Fail("a value ('text', a number, NULL, TRUE or FALSE) is expected");
    literal.kind = Literal::Kind::Number;
    literal.number = *number;
    pos_ = end;
    return literal;
  }

  Literal ParseText() {
    Literal literal;
    literal.kind = Literal::Kind::Text;
    size_t start = pos_++;
    for (;;) {
      if (pos_ >= text_.size()) {
        pos_ = start;
        Fail("a text value is not closed by a quote");
      }
      char c = text_[pos_++];
      if (c != '\'') {
        literal.text.push_back(c);
      } else if (pos_ < text_.size() && text_[pos_] == '\'') {
        literal.text.push_back('\'');
        ++pos_;
      } else {
        return literal;
      }
    }
  }

  std::string_view text_;
  const Expression::FieldResolver& resolve_;
  size_t pos_ = 0;
};

bool Evaluate(const Node& node, const std::vector<Variant>& row) {
  switch (node.kind) {
    case Node::Kind::Term:
      return Compare(row[node.term.field], node.term.op, node.term.literal);
    case Node::Kind::And:
      for (const auto& child : node.children) {
        if (!Evaluate(*child, row)) return false;
      }
      return true;
    case Node::Kind::Or:
      for (const auto& child : node.children) {
        if (Evaluate(*child, row)) return true;
      }
      return false;
  }
  return false;
}

bool IsEqualityTerm(const Node& node) {
  return node.kind == Node::Kind::Term && node.term.op == Op::Equal;
}

}  // namespace

Expression Expression::Parse(std::string_view text, const FieldResolver& resolve) {
  return Expression(Parser(text, resolve).ParseAll());
}

bool Expression::Matches(const std::vector<Variant>& row) const { return Evaluate(*root_, row); }

std::optional<std::vector<Term>> Expression::EqualityConjunction() const {
  std::vector<Term> terms;
  if (IsEqualityTerm(*root_)) {
    terms.push_back(root_->term);
  } else if (root_->kind == Node::Kind::And) {
    for (const auto& child : root_->children) {
      if (!IsEqualityTerm(*child)) return std::nullopt;
      for (const auto& t : terms) {
        if (t.field == child->term.field) return std::nullopt;
      }
      terms.push_back(child->term);
    }
  } else {
    return std::nullopt;
  }
  return terms;
}

}  // namespace prefdesk::ado::filter
