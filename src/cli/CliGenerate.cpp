#include <iostream>

#include "cli/CliCommands.h"

int runGenerate(int, char**) {
  std::cerr << "tessary-cli: generate is not built yet\n";
  return 2;
}
