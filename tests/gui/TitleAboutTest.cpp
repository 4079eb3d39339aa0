// SPDX-License-Identifier: GPL-3.0-or-later
#include <clocale>
#include <string>

#include "GuiHelpers.h"

namespace {

using gui::AppTest;

int aboutDialogsAlive() {
  int count = 0;
  for (GtkWindow* w : gui::toplevels()) count += GTK_IS_ABOUT_DIALOG(w) ? 1 : 0;
  return count;
}

TEST_F(AppTest, TitleShowsTheTextInParenthesesOrTheBareName) {
  EXPECT_EQ(window.get_title(), "");  // start-up sets no title
  // The title is the same under every locale, one whose character set has
  // no room for the text beyond ASCII included.
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  for (const char* locale : {saved.c_str(), "C"}) {
    SCOPED_TRACE(locale);
    ASSERT_NE(std::setlocale(LC_ALL, locale), nullptr);
    app.setTitle("501234567");
    EXPECT_EQ(window.get_title(), "Tessary (501234567)");
    app.setTitle(" x ");
    EXPECT_EQ(window.get_title(), "Tessary ( x )");
    app.setTitle("05-\u00e9");
    EXPECT_EQ(window.get_title(), "Tessary (05-\u00e9)");
    app.setTitle("Schwer \u00fc \u4e09");
    EXPECT_EQ(window.get_title(), "Tessary (Schwer \u00fc \u4e09)");
    app.setTitle("");
    EXPECT_EQ(window.get_title(), "Tessary");
  }
  std::setlocale(LC_ALL, saved.c_str());
}

TEST_F(AppTest, AboutShowsNameVersionAndComment) {
  app.setTitle("0512");
  type(0, 0, "4");
  bool answered = false;
  gui::answerNextDialog([&](Gtk::Dialog& dialog) {
    auto* about = dynamic_cast<Gtk::AboutDialog*>(&dialog);
    ASSERT_NE(about, nullptr);
    answered = true;
    EXPECT_EQ(about->get_version(), "0.93");
    EXPECT_EQ(about->get_program_name(), "Tessary");
    EXPECT_EQ(about->get_comments(), "A free Su Doku game");
    EXPECT_TRUE(about->get_modal());
    EXPECT_EQ(about->get_transient_for(), nullptr);
    dialog.response(Gtk::RESPONSE_CANCEL);
  });
  app.showAbout();
  EXPECT_TRUE(answered);
  // The dialog is gone with the handler; the window is as it was.
  EXPECT_EQ(aboutDialogsAlive(), 0);
  EXPECT_EQ(window.get_title(), "Tessary (0512)");
  EXPECT_EQ(cell(0, 0).get_text(), "4");
}

TEST_F(AppTest, AboutButtonShowsAFreshDialogEachTime) {
  Gtk::Button* about = gui::buttonLabelled(window, "gtk-about");
  ASSERT_NE(about, nullptr);
  for (int i = 0; i < 2; ++i) {
    int shown = 0;
    gui::answerNextDialog([&](Gtk::Dialog& dialog) {
      shown += dynamic_cast<Gtk::AboutDialog*>(&dialog) ? 1 : 0;
      EXPECT_EQ(aboutDialogsAlive(), 1);
      dialog.response(Gtk::RESPONSE_DELETE_EVENT);
    });
    about->clicked();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(aboutDialogsAlive(), 0);
  }
}

// Runs the main loop with a way out: returns false if it had to be stopped
// by the fallback rather than by what start did.
bool runMainLoop(const std::function<void()>& start) {
  bool stoppedByFallback = false;
  Glib::signal_idle().connect_once(start);
  sigc::connection fallback = Glib::signal_timeout().connect(
      [&] {
        stoppedByFallback = true;
        Gtk::Main::quit();
        return false;
      },
      5000);
  Gtk::Main::run();
  fallback.disconnect();
  return !stoppedByFallback;
}

TEST_F(AppTest, QuitButtonEndsTheMainLoop) {
  Gtk::Button* quit = gui::buttonLabelled(window, "gtk-quit");
  ASSERT_NE(quit, nullptr);
  type(4, 4, "7");  // unsaved entries do not hold it up
  EXPECT_TRUE(runMainLoop([&] { quit->clicked(); }));
}

TEST_F(AppTest, ClearButtonResetsTheTitle) {
  Gtk::Button* clear = gui::buttonLabelled(window, "_Clear");
  ASSERT_NE(clear, nullptr);
  app.setTitle("0042");
  type(3, 3, "2");
  clear->clicked();
  EXPECT_EQ(window.get_title(), "Tessary");
  EXPECT_EQ(cell(3, 3).get_text(), "");
}

}  // namespace
