#include "shell/App.h"

void App::setTitle(const Glib::ustring&) {}

void App::showAbout() {}

void App::quit() {}
