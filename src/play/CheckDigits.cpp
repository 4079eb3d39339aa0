// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/App.h"
#include "shell/Translation.h"

namespace {

void showInformation(const Glib::ustring& text) {
  Gtk::MessageDialog message(text, false, Gtk::MESSAGE_INFO, Gtk::BUTTONS_OK, true);
  message.run();
}

}  // namespace

bool App::canCheckDigits() { return hasEnteredDigit(getString(), snapshot().locked); }

// Check Digits: against the one solution of the givens when they have one,
// the wrong digits turn red; otherwise a message says whether the digits so
// far can still all be right. The grid is left as it is, so no undo step.
void App::checkDigits() {
  const std::string grid = getString();
  const DigitCheck check = checkEnteredDigits(grid, snapshot().locked);
  switch (check.outcome) {
    case DigitCheck::Wrong:
      wrongDigits.mark(grid, check.wrong);
      showLooks();
      break;
    case DigitCheck::AllRight:
      showInformation(_("All digits are right so far."));
      break;
    case DigitCheck::Fit:
      showInformation(_("The digits entered so far fit a solution."));
      break;
    case DigitCheck::CannotFit:
      showInformation(_("The digits entered so far cannot all be right."));
      break;
  }
}
