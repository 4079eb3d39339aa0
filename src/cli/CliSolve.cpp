#include <iostream>

#include "cli/CliCommands.h"

int runSolve(int, char**) {
  std::cerr << "tessary-cli: solve is not built yet\n";
  return 2;
}
