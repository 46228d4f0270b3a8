// Asking the person at the terminal before something is removed or replaced.
#pragma once

#include <iostream>
#include <string>

#include "host/cli/translation.h"

namespace prefdesk::cli {

// Prints the question (in the interface language) and reads a line from stdin: true for y, Y,
// yes or 是; false otherwise and at the end of the input.
inline bool Confirmed(const std::string& question) {
  std::cout << Translate(question) << " [y/N] " << std::flush;
  std::string answer;
  if (!std::getline(std::cin, answer)) {
    std::cout << "\n";
    return false;
  }
  return answer == "y" || answer == "Y" || answer == "yes" || answer == "是";
}

}  // namespace prefdesk::cli
