#include "shell/App.h"

void App::resizeFont(Gtk::Allocation&) {}
