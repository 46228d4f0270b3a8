#include "host/cli/full_program.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

#include "host/cli/cli_error.h"

namespace fs = std::filesystem;

namespace prefdesk::cli {

#ifdef PREFDESK_FULL_PROGRAM
namespace {

// This process's arguments, the program's name first.
std::vector<std::string> OwnArguments() {
  std::ifstream in("/proc/self/cmdline", std::ios::binary);
  const std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<std::string> args;
  for (size_t start = 0; start < all.size();) {
    const size_t end = all.find('\0', start);
    args.push_back(all.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return args;
}

fs::path FullProgram() {
  std::error_code ec;
  const fs::path folder = fs::read_symlink("/proc/self/exe", ec).parent_path();
  if (ec) return {};
  for (const fs::path& candidate :
       {folder / PREFDESK_FULL_PROGRAM, folder / PREFDESK_FULL_PROGRAM_FOLDER / PREFDESK_FULL_PROGRAM}) {
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return {};
}

}  // namespace
#endif

void RunInFullProgram(const std::string& missing) {
#ifdef PREFDESK_FULL_PROGRAM
  const fs::path program = FullProgram();
  std::vector<std::string> args = OwnArguments();
  if (!program.empty() && !args.empty()) {
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    std::cout.flush();
    execv(program.c_str(), argv.data());
  }
#endif
  throw CliError(kExitUsage, missing);
}

}  // namespace prefdesk::cli
