// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/App.h"

void App::showError(const Glib::ustring& markup) {
  Gtk::MessageDialog message(markup, true, Gtk::MESSAGE_ERROR, Gtk::BUTTONS_OK, true);
  message.run();
}
