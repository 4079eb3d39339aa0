// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuiHelpers.h"

#include <algorithm>
#include <memory>

#include "generator/GridGenerator.h"
#include "generator/OneSolutionPuzzle.h"
#include "generator/SeedCode.h"

namespace gui {

std::string AppTest::gridText() {
  std::string text(81, '0');
  for (int c = 0; c < 81; ++c) {
    const Glib::ustring shown = cell(c / 9, c % 9).get_text();
    if (!shown.empty()) text[c] = shown.raw()[0];
  }
  return text;
}

void AppTest::press(guint keyval, guint state) {
  GdkEvent* event = gdk_event_new(GDK_KEY_PRESS);
  event->key.window = GDK_WINDOW(g_object_ref(window.get_window()->gobj()));
  event->key.keyval = keyval;
  event->key.state = state;
  gtk_main_do_event(event);
  gdk_event_free(event);
}

bool AppTest::choose(const Glib::ustring& label, int at) {
  Gtk::Menu menu;
  g_signal_emit_by_name(cell(at / 9, at % 9).gobj(), "populate-popup", menu.gobj());
  for (Gtk::Widget* widget : menu.get_children()) {
    auto* item = static_cast<Gtk::MenuItem*>(widget);
    auto* text = dynamic_cast<Gtk::Label*>(item->get_child());
    if (!text || text->get_text() != label) continue;
    if (!item->is_sensitive()) return false;
    item->activate();
    return true;
  }
  return false;
}

std::string AppTest::look() {
  std::string all;
  for (int c = 0; c < 81; ++c) all += lookOf(cell(c / 9, c % 9)) + "|";
  return all;
}

std::string AppTest::loadSeedTyping(const std::string& text) {
  auto held = std::make_shared<std::string>();
  answerNextDialog([text, held](Gtk::Dialog& dialog) {
    Gtk::Entry* entry = findChild<Gtk::Entry>(*dialog.get_vbox());
    ASSERT_NE(entry, nullptr);
    entry->set_text(text);
    *held = entry->get_text().raw();
    dialog.response(Gtk::RESPONSE_OK);
  });
  app.loadSeed();
  return *held;
}

std::string puzzleOf(const std::string& code) {
  Placement placements[kCellCount];
  unsigned char shown[kCellCount];
  prepareCodePuzzle(readSeedCode(code), placements, shown);
  return givensString(placements, shown);
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

std::string lookOf(Gtk::Entry& cell) {
  return cell.get_text() + (cell.get_editable() ? "e" : "-") + (cell.get_has_frame() ? "f" : "-") +
         (isMarked(cell) ? "r" : "-");
}

Gtk::Button* buttonLabelled(Gtk::Container& container, const Glib::ustring& label) {
  for (Gtk::Button* button : findAll<Gtk::Button>(container)) {
    if (button->get_label() == label) return button;
  }
  return nullptr;
}

std::vector<GtkWindow*> toplevels() {
  std::vector<GtkWindow*> windows;
  GList* tops = gtk_window_list_toplevels();
  for (GList* l = tops; l; l = l->next) windows.push_back(GTK_WINDOW(l->data));
  g_list_free(tops);
  return windows;
}

char textColour(Gtk::Entry& cell) {
  if (!(cell.get_modifier_style()->get_color_flags(Gtk::STATE_NORMAL) & Gtk::RC_TEXT)) return '-';
  const Gdk::Color c = cell.get_modifier_style()->get_text(Gtk::STATE_NORMAL);
  if (c.get_blue() > c.get_red() && c.get_blue() > c.get_green()) return 'b';
  return c.get_green() > c.get_red() ? 'g' : 'r';
}

Gtk::Dialog* modalDialog() {
  Gtk::Dialog* found = nullptr;
  for (GtkWindow* w : toplevels()) {
    if (GTK_IS_DIALOG(w) && gtk_widget_get_visible(GTK_WIDGET(w)) && gtk_window_get_modal(w)) {
      found = Glib::wrap(GTK_DIALOG(w));
    }
  }
  return found;
}

void when(std::function<bool()> ready, std::function<void()> then, const std::string& what) {
  auto tries = std::make_shared<int>(0);
  Glib::signal_timeout().connect(
      [=] {
        if (ready()) {
          then();
          return false;
        }
        if (++*tries < 1500) return true;
        ADD_FAILURE() << "never happened: " << what;
        return false;
      },
      10);
}

void pickAndAccept(const std::string& path) {
  answerNext<Gtk::FileChooserDialog>([path](Gtk::FileChooserDialog& chooser) {
    // Picked again until the chooser holds it: the folder it opened in may
    // finish loading after the pick and take the selection away.
    when(
        [&chooser, path] {
          if (chooser.get_filename() == path) return true;
          chooser.set_filename(path);
          return false;
        },
        [&chooser] { chooser.response(Gtk::RESPONSE_OK); }, "the chooser takes in " + path);
  });
}

void typeAndAccept(const std::string& path) {
  answerNext<Gtk::FileChooserDialog>([path](Gtk::FileChooserDialog& chooser) {
    chooser.set_current_name(path);
    chooser.response(Gtk::RESPONSE_OK);
  });
}

void answerWhenPreset(const std::string& preset, int response) {
  answerNext<Gtk::FileChooserDialog>([preset, response](Gtk::FileChooserDialog& chooser) {
    when([&chooser, preset] { return chooser.get_filename() == preset; },
         [&chooser, response] { chooser.response(response); }, "the chooser is preset with " + preset);
  });
}

DialogLook lookOf(Gtk::Dialog& dialog) {
  DialogLook look;
  look.title = dialog.get_title();
  look.modal = dialog.get_modal();
  look.hasParent = dialog.get_transient_for() != nullptr;
  std::vector<Gtk::Button*> buttons = findAll<Gtk::Button>(*dialog.get_action_area());
  std::sort(buttons.begin(), buttons.end(), [](Gtk::Button* a, Gtk::Button* b) {
    return a->get_allocation().get_x() < b->get_allocation().get_x();
  });
  for (Gtk::Button* button : buttons) {
    const int response = dialog.get_response_for_widget(*button);
    look.buttons.emplace_back(button->get_label(), response);
    if (button->has_default()) look.defaultResponse = response;
  }
  return look;
}

std::shared_ptr<MessageLook> expectMessage() {
  auto look = std::make_shared<MessageLook>();
  answerNext<Gtk::MessageDialog>([look](Gtk::MessageDialog& message) {
    look->seen = true;
    look->dialog = lookOf(message);
    look->markup = message.property_text().get_value();
    look->markupOn = message.property_use_markup().get_value();
    look->type = message.property_message_type().get_value();
    for (GtkWindow* w : toplevels()) {
      if (GTK_IS_FILE_CHOOSER_DIALOG(w) && gtk_widget_get_visible(GTK_WIDGET(w))) look->chooserStillShown = true;
    }
    for (Gtk::Label* label : findAll<Gtk::Label>(*message.get_vbox())) {
      if (label->get_label() == look->markup) look->visibleText = label->get_text();
    }
    message.response(Gtk::RESPONSE_OK);
  });
  return look;
}

void expectFailureBox(const MessageLook& message) {
  EXPECT_TRUE(message.seen);
  EXPECT_TRUE(message.markupOn);
  EXPECT_TRUE(message.dialog.modal);
  EXPECT_EQ(message.type, Gtk::MESSAGE_ERROR);
  EXPECT_EQ(message.dialog.buttons, (std::vector<std::pair<std::string, int>>{{"gtk-ok", Gtk::RESPONSE_OK}}));
}

}  // namespace gui
