// A name written into SQL as an identifier, for every engine we talk to.
#pragma once

#include <string>
#include <string_view>

namespace prefdesk::ado {

// The name between double quotes, each double quote inside doubled: "my ""odd"" table".
std::string QuoteIdentifier(std::string_view name);

}  // namespace prefdesk::ado
