// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/PuzzleFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <iostream>

#include "files/PuzzleText.h"

namespace {

// Opens a puzzle file as fopen would with mode "r" or "w", but without
// waiting: a named pipe that no program writes to reads as empty, and one
// that no program reads from cannot be opened for writing, where fopen
// would leave the window hanging for ever with the player's grid in it.
std::FILE* openWithoutWaiting(const std::string& path, bool writing) {
  const int flags = O_NONBLOCK | (writing ? O_WRONLY | O_CREAT | O_TRUNC : O_RDONLY);
  const int fd = open(path.c_str(), flags, 0666);
  if (fd < 0) return nullptr;
  std::FILE* file = fdopen(fd, writing ? "w" : "r");
  if (!file) close(fd);
  return file;
}

}  // namespace

int readPuzzleFile(const std::string& path, std::string& text) {
  std::FILE* file = openWithoutWaiting(path, false);
  if (!file) {
    std::cerr << "openPuzzle: open failed!\n";
    return -1;
  }
  char bytes[kPuzzleLength];
  const std::size_t count = std::fread(bytes, 1, kPuzzleLength, file);
  std::fclose(file);
  const std::string got(bytes, count);
  text = got.substr(0, got.find('\0'));
  return 0;
}

namespace {

// Where a save writes: the file itself, or the file a symbolic link (or a
// chain of them) leads to, so that the link stays a link.
std::string linkTarget(const std::string& path) {
  std::string target = path;
  for (int hops = 0; hops < 40; ++hops) {
    char buffer[4096];
    const ssize_t length = readlink(target.c_str(), buffer, sizeof buffer);
    if (length < 0 || static_cast<std::size_t>(length) == sizeof buffer) return target;
    const std::string next(buffer, static_cast<std::size_t>(length));
    const std::size_t slash = target.rfind('/');
    target = next[0] == '/' || slash == std::string::npos ? next : target.substr(0, slash + 1) + next;
  }
  return target;
}

// Writes every byte to an open file and flushes it to the disk.
bool writeAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t now = write(fd, bytes.data() + done, bytes.size() - done);
    if (now < 0 && errno == EINTR) continue;
    if (now <= 0) return false;
    done += static_cast<std::size_t>(now);
  }
  return fsync(fd) == 0;
}

// The old way, for what cannot be replaced by renaming: named pipes,
// devices, and files in folders where no new file may be made.
int writeInPlace(const std::string& path, const std::string& puzzle) {
  std::FILE* file = openWithoutWaiting(path, true);
  if (!file) {
    std::cerr << "savePuzzle: open failed!\n";
    return -1;
  }
  const std::size_t written = std::fwrite(puzzle.data(), 1, puzzle.size(), file);
  // The bytes may only reach the disk when the file is closed (a full disk
  // shows there), so both must succeed before the save counts.
  const bool closed = std::fclose(file) == 0;
  if (written != puzzle.size() || !closed) {
    std::cerr << "savePuzzle: write failed!\n";
    return -1;
  }
  return 0;
}

// The permissions a new file gets: what fopen would give, 0666 less the umask.
mode_t newFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

// The folder a file lies in, with its '/', or "./" for a bare name.
std::string folderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? "./" : path.substr(0, slash + 1);
}

// Makes the new name of a renamed file reach the disk along with its folder.
void syncFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

// Whether the file could be opened for writing, asked by opening it so
// without changing it: no creating, no truncating.
bool mayWrite(const std::string& path) {
  const int fd = open(path.c_str(), O_WRONLY | O_NONBLOCK);
  if (fd < 0) return false;
  close(fd);
  return true;
}

}  // namespace

int writePuzzleFile(const std::string& path, const std::string& puzzle) {
  const std::string target = linkTarget(path);
  struct stat old;
  const bool exists = stat(target.c_str(), &old) == 0;
  // Renaming would cut a file with several names from the others.
  if (target.empty() || (exists && (!S_ISREG(old.st_mode) || old.st_nlink > 1))) {
    return writeInPlace(target, puzzle);
  }

  // A file the player may not write to stays untouched, as opening it for
  // writing would leave it; renaming over it would replace it all the same.
  if (exists && !mayWrite(target)) {
    std::cerr << "savePuzzle: open failed!\n";
    return -1;
  }

  // The new content goes to a file of its own beside the old one and only
  // then takes its name, so a save that fails half-way (a full disk, the
  // program killed) leaves the old puzzle as it was.
  const std::string folder = folderOf(target);
  std::string temporary = folder + "." + target.substr(target.rfind('/') + 1) + ".XXXXXX";
  const int fd = mkstemp(&temporary[0]);
  if (fd < 0) {
    // A folder that takes no new file can still hold a writable file.
    if (errno == EACCES || errno == EPERM || errno == EROFS) return writeInPlace(target, puzzle);
    std::cerr << (errno == ENOSPC || errno == EDQUOT ? "savePuzzle: write failed!\n" : "savePuzzle: open failed!\n");
    return -1;
  }
  // The old file's owner, where it is not the player's own and cannot be
  // given to the new one: only writing in place keeps it.
  if (exists && (old.st_uid != geteuid() || old.st_gid != getegid()) && fchown(fd, old.st_uid, old.st_gid) != 0) {
    close(fd);
    unlink(temporary.c_str());
    return writeInPlace(target, puzzle);
  }
  bool saved = fchmod(fd, exists ? old.st_mode & 07777 : newFileMode()) == 0;
  saved = writeAll(fd, puzzle) && saved;
  saved = close(fd) == 0 && saved;
  if (!saved || rename(temporary.c_str(), target.c_str()) != 0) {
    unlink(temporary.c_str());
    std::cerr << "savePuzzle: write failed!\n";
    return -1;
  }
  syncFolder(folder);
  return 0;
}
