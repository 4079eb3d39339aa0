// SPDX-License-Identifier: GPL-3.0-or-later
#include <gdk/gdkkeysyms.h>

#include "shell/App.h"

namespace {

int digitOf(guint keyval) {
  if (keyval >= GDK_1 && keyval <= GDK_9) return static_cast<int>(keyval - GDK_0);
  if (keyval >= GDK_KP_1 && keyval <= GDK_KP_9) return static_cast<int>(keyval - GDK_KP_0);
  return 0;
}

// The digit 1-9 a key stands for, 0 for none: its own or the keypad's, or,
// where the layout puts the digits on a level of their own (behind Shift,
// or NumLock on the keypad), the digit that the key carries there.
int keyDigit(const GdkEventKey* event) {
  if (const int digit = digitOf(event->keyval)) return digit;
  GdkKeymapKey* keys = nullptr;
  guint* keyvals = nullptr;
  gint count = 0;
  if (!gdk_keymap_get_entries_for_keycode(nullptr, event->hardware_keycode, &keys, &keyvals, &count)) return 0;
  int digit = 0;
  for (gint i = 0; i < count && !digit; ++i) digit = digitOf(keyvals[i]);
  g_free(keys);
  g_free(keyvals);
  return digit;
}

bool isErase(guint keyval) { return keyval == GDK_BackSpace || keyval == GDK_Delete || keyval == GDK_KP_Delete; }

}  // namespace

// Ctrl or Alt with a digit toggles that note of an open, empty cell, and
// Backspace or Delete there clears its notes. Only the modifiers of
// shortcuts count, so NumLock and CapsLock change nothing; Shift counts
// not at all, as some layouts need it for the digits. A note key never
// reaches the entry, not even in a cell that takes no notes.
bool App::noteKeyPressed(GdkEventKey* event, int cell) {
  const guint mods = event->state & gtk_accelerator_get_default_mod_mask();
  const guint unshifted = mods & ~GDK_SHIFT_MASK;
  Gtk::Entry& entry = cellAt(cell / 9, cell % 9);
  const bool open = entry.get_editable() && entry.get_text().empty();
  if (unshifted == GDK_CONTROL_MASK || unshifted == GDK_MOD1_MASK) {
    const int digit = keyDigit(event);
    if (digit && open) changeNotes(toggledNote(notes, cell, digit));
    return digit != 0;
  }
  if (mods != 0 || !isErase(event->keyval) || !open || notes[cell] == 0) return false;
  changeNotes(withoutNotes(notes, cell));
  return true;
}
