// vexmorel-drive [SCRIPT]: see driver.h.
#include <fstream>
#include <iostream>

#include "platform/os/process.h"
#include "tools/drive/driver.h"

int main(int argc, char** argv) {
  std::ifstream file;
  if (argc > 1) {
    file.open(argv[1], std::ios::binary);
    if (!file) {
      std::cerr << "cannot read " << argv[1] << "\n";
      return 2;
    }
  }
  std::istream& in = argc > 1 ? file : std::cin;
  drive::Driver driver(in, stdout, ExecutablePath());
  return driver.Run();
}
