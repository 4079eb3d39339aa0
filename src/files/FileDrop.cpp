// SPDX-License-Identifier: GPL-3.0-or-later
#include <vector>

#include "shell/App.h"

namespace {

// What a drop brings, told by the target it came as.
enum DropKind : guint { kDroppedFiles, kDroppedText };

// The first of the dropped URIs that names a local file, or the empty string.
std::string firstLocalFile(const Gtk::SelectionData& data) {
  for (const Glib::ustring& uri : std::vector<Glib::ustring>(data.get_uris())) {
    try {
      return Glib::filename_from_uri(uri);
    } catch (const Glib::ConvertError&) {
      // A web address or another remote file: not one Open could read.
    }
  }
  return std::string();
}

}  // namespace

// Files from a file manager and text from anywhere may be dropped on the
// whole window, its cells included: a cell would otherwise take the drop
// as text of its own, which its filter throws away.
void App::acceptDrops() {
  // Files first: a file manager offers a file's name as text too.
  GtkTargetList* targets = gtk_target_list_new(nullptr, 0);
  gtk_target_list_add_uri_targets(targets, kDroppedFiles);
  gtk_target_list_add_text_targets(targets, kDroppedText);
  window->drag_dest_set(Gtk::DEST_DEFAULT_ALL, Gdk::ACTION_COPY);
  gtk_drag_dest_set_target_list(GTK_WIDGET(window->gobj()), targets);
  gtk_target_list_unref(targets);
  for (Gtk::Entry* cell : cells) cell->drag_dest_unset();
  window->signal_drag_data_received().connect(sigc::mem_fun(*this, &App::dropReceived));
}

// The first dropped file is opened as Open opens it, and dropped text that
// is a puzzle is shown as Paste Puzzle shows it; other text changes nothing.
// Both wait for the main loop, so that the drop is finished before an error
// box holds up the program it came from.
void App::dropReceived(const Glib::RefPtr<Gdk::DragContext>&, int, int, const Gtk::SelectionData& data, guint info,
                       guint) {
  if (info == kDroppedFiles) {
    const std::string path = firstLocalFile(data);
    if (!path.empty()) Glib::signal_idle().connect_once([this, path] { openPuzzleFile(path); });
    return;
  }
  const std::string text = data.get_text().raw();
  Glib::signal_idle().connect_once([this, text] { showPastedPuzzle(text); });
}
