#include "shell/App.h"

void App::solvePuzzle() {}
