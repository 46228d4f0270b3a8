// Where a command writes: a file named on its command line, and standard output. A regular
// file (or a missing one) is replaced whole, through a temporary file beside it and a rename,
// so a failure leaves the old file as it was. A FIFO, a character device or standard output
// is written into as a stream. Nothing else is written to. Links are followed to the file
// they name, so a link stays a link and its file is what changes.
#pragma once

#include <filesystem>
#include <string>

namespace prefdesk::cli {

// Writes text to file as above; raises CliError(kExitFailed) naming the file and the reason
// when it was not all written, and CliError(kExitUsage) for a file that is none of the kinds
// written to (a folder, a block device, a socket).
void WriteOutputFile(const std::filesystem::path& file, const std::string& text);

// For a file a command replaces whole and never writes into (a database init makes): raises
// CliError(kExitRefused) when it exists, or a link names something that exists, and is not a
// regular file; nothing is followed onto a FIFO or a device.
void CheckReplaceable(const std::filesystem::path& file);

// Makes std::cout keep the reason when its output cannot be written; call it first.
void CheckStandardOutput();
// Flushes standard output and closes it, as a program does at its end. Returns an empty
// text when everything written reached it, else the reason it did not.
std::string FinishStandardOutput();

}  // namespace prefdesk::cli
