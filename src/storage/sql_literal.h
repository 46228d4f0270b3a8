// The one writer of values into SQL and Filter text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace prefdesk::storage {

// Decimal digits, a leading minus when negative: "F_UID=" + SqlInt(uid).
std::string SqlInt(int64_t value);
// The shortest decimal text that reads back as the same double: "9.75", "500".
std::string SqlNumber(double value);
// Server flags: 1 or 0.
std::string SqlFlag(bool value);
// A text between single quotes, each single quote inside doubled: 'O''Brien'.
std::string SqlText(std::string_view value);
// SqlText(value) written onto the end of text: for conditions built in one piece.
void AppendSqlText(std::string& text, std::string_view value);
// The keyword NULL.
std::string SqlNull();
// SqlText(value) when not empty, else NULL.
std::string SqlTextOrNull(std::string_view value);

}  // namespace prefdesk::storage
