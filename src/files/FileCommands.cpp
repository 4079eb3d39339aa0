// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/FileCommands.h"
#include "shell/ErrorMarkup.h"
#include "shell/Translation.h"

namespace {

// A translated sentence with the file's name in place of its %s.
std::string withName(const char* sentence, const std::string& name) {
  std::string text(sentence);
  const std::string::size_type at = text.find("%s");
  return at == std::string::npos ? text : text.replace(at, 2, name);
}

}  // namespace

std::string withPuzzleExtension(const std::string& path) {
  // Only a path without any dot gets the extension, so a name the user gave
  // an extension of their own, or a hidden file, keeps its exact name.
  if (path.find('.') != std::string::npos) return path;
  return path + kPuzzleExtension;
}

std::string fileFailureMarkup(FileCommand command, const std::string& shownName) {
  const bool opening = command == FileCommand::Open;
  const char* heading = opening ? _("Opening failed!") : _("Saving failed!");
  const char* sentence = opening ? _("The file '%s' could not be opened.") : _("The file '%s' could not be saved.");
  return errorMarkup(heading, withName(sentence, shownName));
}
