// The errors the data layer raises, with the texts ADO gives them.
#pragma once

#include <string>

namespace prefdesk::ado {

inline constexpr const char* kRecordsetSource = "ADODB.Recordset";
inline constexpr const char* kConnectionSource = "ADODB.Connection";
inline constexpr const char* kFieldsSource = "ADODB.Fields";

[[noreturn]] void RaiseClosed(const char* source);
[[noreturn]] void RaiseNoCurrentRecord();
[[noreturn]] void RaiseItemNotFound(const std::string& name);
[[noreturn]] void RaiseArgument(const char* source, const std::string& description);

}  // namespace prefdesk::ado
