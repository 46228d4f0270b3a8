// Asking the person at the terminal before something is removed or replaced.
#pragma once

#include <iostream>
#include <string>

namespace prefdesk::cli {

// Prints the question and reads a line from stdin: true for y, Y or yes; false otherwise and at
// the end of the input.
inline bool Confirmed(const std::string& question) {
  std::cout << question << " [y/N] " << std::flush;
  std::string answer;
  if (!std::getline(std::cin, answer)) {
    std::cout << "\n";
    return false;
  }
  return answer == "y" || answer == "Y" || answer == "yes";
}

}  // namespace prefdesk::cli
