// Connection strings: any text gives its Data Source or none, never a crash.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/ado/connection.h"
#include "platform/automation/error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  try {
    const std::string source = prefdesk::ado::Connection::DataSourceOf(text);
    if (source.size() > text.size()) __builtin_trap();  // it can only come out of the text
  } catch (const prefdesk::automation::AutomationError&) {
  }
  return 0;
}
