// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <gtkmm.h>

#include "GuiHelpers.h"

namespace {

// A dialog that no test answers would block its run() for ever: after five
// seconds the watchdog fails the test and closes the dialog.
void startWatchdog() {
  auto openFor = std::make_shared<int>(0);
  Glib::signal_timeout().connect(
      [=] {
        if (Gtk::Dialog* dialog = gui::modalDialog()) {
          if (++*openFor > 50) {
            ADD_FAILURE() << "a modal dialog was left unanswered: " << dialog->get_title();
            dialog->response(Gtk::RESPONSE_DELETE_EVENT);
            *openFor = 0;
          }
        } else {
          *openFor = 0;
        }
        return true;
      },
      100);
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  if (!gtk_init_check(&argc, &argv)) {
    fprintf(stderr, "gui_tests: no X display; run under tests/with-xvfb.sh\n");
    return 1;
  }
  Gtk::Main toolkit(argc, argv);
  startWatchdog();
  return RUN_ALL_TESTS();
}
