// SPDX-License-Identifier: GPL-3.0-or-later
#include "Version.h"
#include "shell/App.h"
#include "shell/Translation.h"

void App::setTitle(const Glib::ustring& text) {
  titleText = text;
  // Composed in UTF-8 throughout: a stream would convert the text to the
  // locale's character set, which under the C locale cannot hold a code
  // typed as "05-é". The bytes are those a narrow stream gives for ASCII.
  window->set_title(text.empty() ? Glib::ustring("Tessary") : "Tessary (" + text + ")");
}

void App::showAbout() {
  // A fresh dialog for every click, gone again when the handler returns.
  Gtk::AboutDialog about;
  about.set_version(kTessaryVersion);
  about.set_name("Tessary");
  about.set_comments(_("A free Su Doku game"));
  about.run();
}

void App::quit() { Gtk::Main::quit(); }
