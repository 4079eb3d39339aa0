#include "GuiHelpers.h"

#include <memory>

namespace gui {

std::string AppTest::gridText() {
  std::string text(81, '0');
  for (int c = 0; c < 81; ++c) {
    const Glib::ustring shown = cell(c / 9, c % 9).get_text();
    if (!shown.empty()) text[c] = shown.raw()[0];
  }
  return text;
}

std::string AppTest::look() {
  std::string all;
  for (Gtk::Entry* c : app.cells) {
    all += c->get_text() + (c->get_editable() ? "e" : "-") + (c->get_has_frame() ? "f" : "-") +
           (isMarked(*c) ? "r" : "-") + "|";
  }
  return all;
}

void settle() {
  while (Gtk::Main::events_pending()) Gtk::Main::iteration(false);
}

bool isMarked(Gtk::Entry& cell) {
  return (cell.get_modifier_style()->get_color_flags(Gtk::STATE_NORMAL) & Gtk::RC_BASE) != 0;
}

bool isRed(Gtk::Entry& cell) {
  if (!isMarked(cell)) return false;
  const Gdk::Color colour = cell.get_modifier_style()->get_base(Gtk::STATE_NORMAL);
  return colour.get_red() == 65535 && colour.get_green() == 0 && colour.get_blue() == 0;
}

Gtk::Dialog* modalDialog() {
  Gtk::Dialog* found = nullptr;
  GList* tops = gtk_window_list_toplevels();
  for (GList* l = tops; l; l = l->next) {
    GtkWidget* w = GTK_WIDGET(l->data);
    if (GTK_IS_DIALOG(w) && gtk_widget_get_visible(w) && gtk_window_get_modal(GTK_WINDOW(w))) {
      found = Glib::wrap(GTK_DIALOG(w));
    }
  }
  g_list_free(tops);
  return found;
}

void answerNextDialog(std::function<void(Gtk::Dialog&)> answer) {
  auto tries = std::make_shared<int>(0);
  Glib::signal_timeout().connect(
      [=] {
        if (Gtk::Dialog* dialog = modalDialog()) {
          answer(*dialog);
          return false;
        }
        return ++*tries < 500;
      },
      10);
}

Glib::ustring messageText(Gtk::Dialog& dialog) {
  auto* message = dynamic_cast<Gtk::MessageDialog*>(&dialog);
  return message ? message->property_text().get_value() : Glib::ustring();
}

}  // namespace gui
