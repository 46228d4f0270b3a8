// The statements a data service runs for its Insert, Update and Delete members, written the same
// way on every engine: the caller's table, column, value, assignment and condition texts as given.
#pragma once

#include <string>

namespace prefdesk::datacenter {

// INSERT INTO table (columns) VALUES (values)
std::string InsertStatement(const std::string& table, const std::string& columns,
                            const std::string& values);
// UPDATE table SET assignments, with " WHERE condition" unless the condition is empty.
std::string UpdateStatement(const std::string& table, const std::string& assignments,
                            const std::string& condition);
// DELETE FROM table, with " WHERE condition" unless the condition is empty.
std::string DeleteStatement(const std::string& table, const std::string& condition);

}  // namespace prefdesk::datacenter
