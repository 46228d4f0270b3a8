// The one place where an error becomes what a person reads: one line on stderr, in the
// interface language, "prefdesk-host COMMAND: message", and the exit code that says its kind.
#pragma once

#include <string>

namespace prefdesk::cli {

// Blanks and line breaks (engine messages span lines) folded into single spaces.
std::string OneLine(const std::string& text);

// Writes the line of message for the command (none: the program's own) and returns code.
int ReportLine(const std::string& command, const std::string& message, int code);

// Call from a catch block: reports the error being handled for the command and returns its
// exit code.
int ReportError(const std::string& command);

}  // namespace prefdesk::cli
