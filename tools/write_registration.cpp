// prefdesk-registration FOLDER: writes the component's registration record (type library as
// JSON and IDL) into FOLDER.
#include <exception>
#include <iostream>

#include "src/component/registration.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: prefdesk-registration FOLDER\n";
    return 2;
  }
  try {
    prefdesk::component::WriteRegistrationRecord(argv[1]);
  } catch (const std::exception& e) {
    std::cerr << "prefdesk-registration: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
