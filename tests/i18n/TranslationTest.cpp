// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a German or a French player sees it: Tessary's own texts
// from the catalogues built into the build tree, the stock buttons in the
// toolkit's words, no two buttons on one mnemonic, and standard error still
// in English for the scripts that read it.
#include <clocale>
#include <cstdlib>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "../gui/GuiHelpers.h"
#include "shell/Translation.h"

namespace {

class TranslationTest : public ::testing::Test {
 protected:
  // The locales are those make-locales.sh compiles into the build tree.
  static void speak(const char* locale) {
    setenv("LOCPATH", TESSARY_TEST_LOCALES, 1);
    unsetenv("LANGUAGE");
    ASSERT_NE(std::setlocale(LC_ALL, locale), nullptr) << locale;
    bindTranslations(TESSARY_TEST_LOCALEDIR);
  }
  void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_F(TranslationTest, WindowSpeaksThePlayersLanguage) {
  const struct {
    const char* locale;
    std::vector<std::string> labels;
  } languages[] = {
      {"de_DE.UTF-8",
       {"_Erzeugen", "_Nummer laden", "_Auflösen", "_Leeren", "<i>Leicht</i>", "<i>Schwer</i>", "Ö_ffnen", "_Beenden"}},
      {"fr_FR.UTF-8",
       {"_Générer", "Charger un _numéro", "_Résoudre", "_Vider", "<i>Facile</i>", "<i>Difficile</i>", "_Ouvrir",
        "_Quitter"}},
  };
  for (const auto& language : languages) {
    SCOPED_TRACE(language.locale);
    speak(language.locale);
    App app;
    Gtk::Window window;
    app.buildWindow(window);
    std::set<std::string> shown;
    std::set<guint> mnemonics;
    for (Gtk::Label* label : gui::findAll<Gtk::Label>(window)) {
      shown.insert(label->get_label());
      const guint key = label->get_mnemonic_keyval();
      if (key == GDK_VoidSymbol) continue;
      EXPECT_TRUE(mnemonics.insert(gdk_keyval_to_lower(key)).second)
          << "a second button on the mnemonic of " << label->get_label();
    }
    for (const std::string& label : language.labels) EXPECT_EQ(shown.count(label), 1u) << label;
  }
}

TEST_F(TranslationTest, MessageInGermanStandardErrorInEnglish) {
  speak("de_DE.UTF-8");
  App app;
  Gtk::Window window;
  app.buildWindow(window);
  gui::TempDir dir;
  const std::string path = dir.path("kurz.sudoku");
  gui::writeFile(path, std::string(80, '0'));
  gui::pickAndAccept(path);
  auto message = gui::expectMessage();
  {
    gui::StreamCapture err(std::cerr);
    app.openPuzzleDialog();
    EXPECT_EQ(err.text(), "setFromString: puzzle string is too short, at 80characters.  Aborting.\n");
  }
  EXPECT_EQ(message->markup,
            "<b><big>Öffnen fehlgeschlagen!</big></b>\n\nDie Datei »kurz.sudoku« konnte nicht geöffnet werden.");
}

}  // namespace
