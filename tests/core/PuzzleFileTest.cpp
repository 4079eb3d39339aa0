// SPDX-License-Identifier: GPL-3.0-or-later
// Puzzle files as Open and Save meet them: ordinary files, and the folders,
// pipes, huge files, full disks and odd names no one means to give them.

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "../StreamCapture.h"
#include "../TempFiles.h"
#include "files/PuzzleFile.h"

namespace {

const std::string kPuzzle =
    "530070000600195000098000060800060003400803001700020006060000280000419005000080079";

class PuzzleFileTest : public ::testing::Test {
 protected:
  // What reading path gives, and what it wrote to standard error.
  std::pair<std::string, std::string> readBack(const std::string& path, int expectedResult = 0) {
    StreamCapture err(std::cerr);
    std::string text;
    EXPECT_EQ(readPuzzleFile(path, text), expectedResult) << path;
    return {text, err.text()};
  }

  TempDir dir;
};

TEST_F(PuzzleFileTest, ReadsTheFirst81BytesCutAtTheFirstNul) {
  const struct {
    std::string bytes;
    std::string text;
  } cases[] = {
      {kPuzzle, kPuzzle},
      {kPuzzle + "\n" + "a second puzzle or anything", kPuzzle},
      {kPuzzle.substr(0, 80), kPuzzle.substr(0, 80)},
      {"", ""},
      {kPuzzle.substr(0, 40) + std::string(1, '\0') + kPuzzle.substr(41), kPuzzle.substr(0, 40)},
  };
  for (const auto& c : cases) {
    writeFile(dir.path("file"), c.bytes);
    EXPECT_EQ(readBack(dir.path("file")), std::make_pair(c.text, std::string())) << c.bytes.size() << " bytes";
  }
}

// A puzzle followed by gigabytes (a sparse file, so the disk stays free)
// is read at once, as far as the puzzle.
TEST_F(PuzzleFileTest, HugeFilesAreReadOnlyAsFarAsThePuzzle) {
  writeFile(dir.path("huge"), kPuzzle);
  ASSERT_EQ(truncate(dir.path("huge").c_str(), 8LL << 30), 0);
  EXPECT_EQ(readBack(dir.path("huge")).first, kPuzzle);
}

// A folder opens as a file that reads nothing; it cannot be written.
TEST_F(PuzzleFileTest, AFolderReadsAsEmptyAndCannotBeWritten) {
  EXPECT_EQ(readBack(dir.dir()), std::make_pair(std::string(), std::string()));
  StreamCapture err(std::cerr);
  EXPECT_EQ(writePuzzleFile(dir.dir(), kPuzzle), -1);
  EXPECT_EQ(err.text(), "savePuzzle: open failed!\n");
}

TEST_F(PuzzleFileTest, FilesThatCannotBeOpenedAreReported) {
  std::vector<std::string> paths = {dir.path("missing"), dir.path("no/such/folder")};
  // Permissions stop everyone but root.
  if (geteuid() != 0) {
    writeFile(dir.path("locked"), kPuzzle);
    ASSERT_EQ(chmod(dir.path("locked").c_str(), 0), 0);
    ASSERT_EQ(mkdir(dir.path("closed").c_str(), 0), 0);
    paths.push_back(dir.path("locked"));
    paths.push_back(dir.path("closed/inside"));
  }
  for (const std::string& path : paths) {
    EXPECT_EQ(readBack(path, -1).second, "openPuzzle: open failed!\n");
    if (path == dir.path("missing")) continue;
    StreamCapture err(std::cerr);
    EXPECT_EQ(writePuzzleFile(path, kPuzzle), -1) << path;
    EXPECT_EQ(err.text(), "savePuzzle: open failed!\n") << path;
  }
}

// A named pipe that no program writes to reads as empty, and one that no
// program reads from cannot be written: neither may leave the window waiting.
TEST_F(PuzzleFileTest, NamedPipesNeverWait) {
  const std::string pipe = dir.path("pipe");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_EQ(readBack(pipe), std::make_pair(std::string(), std::string()));
  {
    StreamCapture err(std::cerr);
    EXPECT_EQ(writePuzzleFile(pipe, kPuzzle), -1);
    EXPECT_EQ(err.text(), "savePuzzle: open failed!\n");
  }
  // A pipe that holds a whole puzzle gives it.
  const int writer = open(pipe.c_str(), O_RDWR);
  ASSERT_GE(writer, 0);
  ASSERT_EQ(write(writer, kPuzzle.data(), kPuzzle.size()), static_cast<ssize_t>(kPuzzle.size()));
  EXPECT_EQ(readBack(pipe).first, kPuzzle);
  close(writer);
}

TEST_F(PuzzleFileTest, WritesExactlyThePuzzleOverWhateverWasThere) {
  writeFile(dir.path("old"), std::string(200, '7'));
  ASSERT_EQ(chmod(dir.path("old").c_str(), 0640), 0);
  // A link keeps pointing at its file, which takes the puzzle.
  ASSERT_EQ(symlink("old", dir.path("link").c_str()), 0);
  for (const std::string& path : {dir.path("new"), dir.path("old"), dir.path("link")}) {
    EXPECT_EQ(writePuzzleFile(path, kPuzzle), 0);
    EXPECT_EQ(readFile(path), kPuzzle);
  }
  struct stat seen;
  ASSERT_EQ(lstat(dir.path("link").c_str(), &seen), 0);
  EXPECT_TRUE(S_ISLNK(seen.st_mode));
  ASSERT_EQ(stat(dir.path("old").c_str(), &seen), 0);
  EXPECT_EQ(seen.st_mode & 07777, 0640u) << "the old file's permissions stay";
  const mode_t mask = umask(0);
  umask(mask);
  ASSERT_EQ(stat(dir.path("new").c_str(), &seen), 0);
  EXPECT_EQ(seen.st_mode & 07777, 0666u & ~mask) << "a new file is made as fopen makes it";
}

// Bytes that reach no disk make a failed save, not a saved puzzle.
TEST_F(PuzzleFileTest, AFullDiskIsAFailure) {
  StreamCapture err(std::cerr);
  EXPECT_EQ(writePuzzleFile("/dev/full", kPuzzle), -1);
  EXPECT_EQ(err.text(), "savePuzzle: write failed!\n");
}

// The files in a folder, by name.
std::vector<std::string> filesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

// A save that fails part of the way leaves the old file as it was, and no
// other file behind: a file size limit that stops the write after 10 bytes,
// and a full disk (a small tmpfs, where the test may mount one).
TEST_F(PuzzleFileTest, AFailedSaveLeavesTheOldFileWhole) {
  const std::string old(81, '1');
  const auto expectKept = [&](const std::string& folder, const std::vector<std::string>& others) {
    std::vector<std::string> before = others;
    before.push_back("kept.sudoku");
    std::sort(before.begin(), before.end());
    StreamCapture err(std::cerr);
    EXPECT_EQ(writePuzzleFile(folder + "/kept.sudoku", kPuzzle), -1);
    EXPECT_EQ(err.text(), "savePuzzle: write failed!\n");
    EXPECT_EQ(readFile(folder + "/kept.sudoku"), old);
    EXPECT_EQ(filesIn(folder), before);
  };
  {
    SCOPED_TRACE("file size limit");
    writeFile(dir.path("kept.sudoku"), old);
    rlimit saved;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 10;
    const sighandler_t handler = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    expectKept(dir.dir(), {});
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, handler);
  }
  const std::string disk = dir.path("disk");
  ASSERT_EQ(mkdir(disk.c_str(), 0755), 0);
  if (geteuid() != 0 || mount("tessary-test", disk.c_str(), "tmpfs", 0, "size=16k") != 0) {
    GTEST_SKIP() << "a full disk needs a tmpfs, which only root can mount: not tried";
  }
  struct Unmount {
    std::string at;
    ~Unmount() { umount(at.c_str()); }
  } unmount{disk};
  {
    SCOPED_TRACE("full disk");
    writeFile(disk + "/kept.sudoku", old);
    // Whatever room is left, the filler takes.
    const int filler = open((disk + "/filler").c_str(), O_WRONLY | O_CREAT, 0600);
    const std::string block(512, 'x');
    while (write(filler, block.data(), block.size()) > 0) {
    }
    while (write(filler, block.data(), 1) > 0) {
    }
    close(filler);
    expectKept(disk, {"filler"});
  }
}

// A puzzle file its owner made read-only, in a folder where a new file could
// be made, is not replaced: the save fails as opening the file for writing
// does. Root may write to any file, so the save runs as the user nobody.
TEST_F(PuzzleFileTest, AReadOnlyFileIsNotReplaced) {
  ASSERT_EQ(chmod(dir.dir().c_str(), 0777), 0);
  const std::string path = dir.path("mine.sudoku");
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // The child reports through its exit status: 0 as wanted, 2 when it
    // could not be an ordinary user.
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(2);
    writeFile(path, std::string(81, '1'));
    if (chmod(path.c_str(), 0444) != 0) _exit(1);
    StreamCapture err(std::cerr);
    const bool refused = writePuzzleFile(path, kPuzzle) == -1 && err.text() == "savePuzzle: open failed!\n";
    _exit(refused ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == 2) GTEST_SKIP() << "could not drop root to the user nobody: not tried";
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the save did not fail as opening for writing does";
  EXPECT_EQ(readFile(path), std::string(81, '1'));
  EXPECT_EQ(filesIn(dir.dir()), std::vector<std::string>{"mine.sudoku"});
}

// Paths are bytes: blanks, quotes, markup characters, a line break, a
// leading '-' and bytes that are not UTF-8 all write and read as they are.
TEST_F(PuzzleFileTest, NamesThatNeedEscapingWriteAndReadAsTheyAre) {
  const std::string names[] = {
      "with blank.sudoku", "quote's \"double\".sudoku", "a<b>&amp;c.sudoku", "line\nbreak.sudoku",
      "-starts-with-dash.sudoku", "\xff\xfe latin1 \xe9.sudoku", "\xe4\xb8\x89 \xd9\xa3.sudoku", "*?[].sudoku"};
  for (const std::string& name : names) {
    EXPECT_EQ(writePuzzleFile(dir.path(name), kPuzzle), 0) << name;
    EXPECT_EQ(readBack(dir.path(name)).first, kPuzzle) << name;
  }
}

}  // namespace
