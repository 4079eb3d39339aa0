// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/FileCommands.h"

std::string withPuzzleExtension(const std::string& path) {
  // Only a path without any dot gets the extension, so a name the user gave
  // an extension of their own, or a hidden file, keeps its exact name.
  if (path.find('.') != std::string::npos) return path;
  return path + kPuzzleExtension;
}

std::string fileFailureMarkup(FileCommand command, const std::string& shownName) {
  const bool opening = command == FileCommand::Open;
  return std::string("<b><big>") + (opening ? "Opening failed!" : "Saving failed!") + "</big></b>\n\n" +
         "The file '" + shownName + (opening ? "' could not be opened." : "' could not be saved.");
}
