// SPDX-License-Identifier: GPL-3.0-or-later
#include <memory>

#include "files/PasteText.h"
#include "shell/App.h"
#include "shell/ErrorMarkup.h"
#include "shell/Translation.h"

namespace {

// How long Paste Puzzle waits for the clipboard's owner, which may be a
// program that never answers; the toolkit itself would wait half a minute.
constexpr unsigned kClipboardPatienceMs = 1000;

void showNoPuzzle() {
  App::showError(errorMarkup(_("No puzzle"), _("The clipboard holds no puzzle: it needs 81 cells, the digits 1 to 9 "
                                               "for givens and 0 or . for empty cells.")));
}

}  // namespace

// Paste Puzzle: the clipboard's text is asked for without waiting, so the
// window stays alive while its owner answers; after a second without an
// answer the paste gives up, and an answer that comes later is dropped.
void App::pastePuzzle() {
  auto awaited = std::make_shared<bool>(true);
  Glib::signal_timeout().connect_once(
      [awaited] {
        if (!*awaited) return;
        *awaited = false;
        showNoPuzzle();
      },
      kClipboardPatienceMs);
  Gtk::Clipboard::get()->request_text([this, awaited](const Glib::ustring& text) {
    if (!*awaited) return;
    *awaited = false;
    if (!showPastedPuzzle(text.raw())) showNoPuzzle();
  });
}

// Shown as Generate shows a puzzle, its digits locked, with the bare title:
// a pasted puzzle has no code. Repeated givens are shown unlocked and red,
// as typed ones would be, so that the player can mend them.
bool App::showPastedPuzzle(const std::string& text) {
  const PastedPuzzle pasted = readPastedPuzzle(text);
  if (pasted.outcome == PastedPuzzle::None) return false;
  setTitle(Glib::ustring());
  writeGrid(pasted.digits, pasted.outcome == PastedPuzzle::Givens);
  if (pasted.outcome == PastedPuzzle::Repeats) readGrid(nullptr, nullptr, nullptr);
  recordChange(false);
  return true;
}

// Copy Puzzle: the puzzle string Save would write. The clipboard may keep
// it after Tessary has ended, where the desktop stores clipboards.
void App::copyPuzzle() {
  Glib::RefPtr<Gtk::Clipboard> clipboard = Gtk::Clipboard::get();
  clipboard->set_text(getString());
  clipboard->set_can_store();
}
