#include "shell/App.h"

void App::openPuzzleDialog() {}

void App::savePuzzleDialog() {}
