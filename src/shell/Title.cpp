#include <sstream>

#include "shell/App.h"

void App::setTitle(const Glib::ustring& text) {
  // A narrow stream: the seed code behind the name passes through byte for byte.
  std::ostringstream title;
  if (text.empty()) {
    title << "Tessary";
  } else {
    title << "Tessary (" << text << ")";
  }
  window->set_title(title.str());
}

void App::showAbout() {
  // A fresh dialog for every click, gone again when the handler returns.
  Gtk::AboutDialog about;
  about.set_version("0.93");
  about.set_name("Tessary");
  about.set_comments("A free Su Doku game");
  about.run();
}

void App::quit() { Gtk::Main::quit(); }
