#include "shell/App.h"

void App::generateFromSeed(int, float) {}

void App::generatePuzzle() {}

void App::loadSeed() {}
