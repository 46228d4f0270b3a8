#include "platform/ado/quote_identifier.h"

namespace prefdesk::ado {

std::string QuoteIdentifier(std::string_view name) {
  std::string quoted = "\"";
  for (char c : name) {
    quoted += c;
    if (c == '"') quoted += c;
  }
  return quoted + "\"";
}

}  // namespace prefdesk::ado
