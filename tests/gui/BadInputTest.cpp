// SPDX-License-Identifier: GPL-3.0-or-later
// Files that no one means to give the program, and that it must take calmly
// in its window: refused files with names that need escaping. The files
// themselves are tried in the core tests; odd seed codes in GenerateCommandTest.

#include <string>

#include "GuiHelpers.h"

namespace {

using gui::StreamCapture;
using gui::TempDir;

const std::string kPuzzle =
    "530070000600195000098000060800060003400803001700020006060000280000419005000080079";

class BadInputTest : public gui::AppTest {
 protected:
  void SetUp() override {
    gui::AppTest::SetUp();
    ASSERT_EQ(app.setFromString(kPuzzle), 0);
    app.fileName = "earlier.sudoku";
  }

  TempDir dir;
};

// Markup that the toolkit can show: it parses, and its text is UTF-8.
bool showableMarkup(const std::string& markup) {
  return g_utf8_validate(markup.c_str(), -1, nullptr) &&
         pango_parse_markup(markup.c_str(), -1, 0, nullptr, nullptr, nullptr, nullptr);
}

// A refused file whose name is not UTF-8, or holds a line break and markup
// characters, is still named in a message the toolkit can show.
TEST_F(BadInputTest, RefusedFilesWithOddNamesGetAShowableMessage) {
  const struct {
    std::string name;
    std::string shownPart;  // what the sentence must contain of the name
  } cases[] = {
      {"bad \xff\xfe name.sudoku", " name.sudoku"},
      {"a<b>\n&c.sudoku", "a<b>\n&c.sudoku"},
  };
  for (const auto& c : cases) {
    const std::string path = dir.path(c.name);
    gui::writeFile(path, "123");
    const std::string before = look();
    std::string markup;
    {
      StreamCapture err(std::cerr);
      gui::pickAndAccept(path);
      auto message = gui::expectMessage();
      app.openPuzzleDialog();
      markup = message->markup.raw();
    }
    EXPECT_TRUE(showableMarkup(markup)) << markup;
    EXPECT_EQ(markup.rfind("<b><big>Opening failed!</big></b>\n\nThe file '", 0), 0u) << markup;
    // Escaped for markup, the name reads back as it is once parsed.
    char* text = nullptr;
    ASSERT_TRUE(pango_parse_markup(markup.c_str(), -1, 0, nullptr, &text, nullptr, nullptr));
    EXPECT_NE(std::string(text).find(c.shownPart), std::string::npos) << text;
    g_free(text);
    EXPECT_EQ(look(), before);
    EXPECT_EQ(app.fileName, path);
  }
}

}  // namespace
