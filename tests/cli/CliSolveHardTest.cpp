// SPDX-License-Identifier: GPL-3.0-or-later
// tessary-cli solve on the grid that the search takes longest to refute: its
// whole output (hundreds of board dumps while backtracking, the failure
// report and the result line) must be what the solver's model wrote,
// recorded once in the test data.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

namespace {

std::string readAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(CliSolveHardTest, NoSolutionHardWritesWhatTheModelWrote) {
  char pattern[] = "/tmp/tessary-cli-hard-XXXXXX";
  const std::string dir = mkdtemp(pattern);
  const std::string out = dir + "/stdout";
  const std::string err = dir + "/stderr";
  // The grid kept beside its recorded output, wherever PUZZLE_DIR points.
  const std::string command = std::string("'") + TESSARY_CLI + "' solve --moves '" + TESSARY_TEST_DATA +
                              "/puzzles/no-solution-hard.txt' </dev/null >'" + out + "' 2>'" + err + "'";
  const int raw = std::system(command.c_str());
  const std::string printed = readAll(out);
  const std::string complaints = readAll(err);
  std::system(("rm -rf '" + dir + "'").c_str());

  const std::string recorded = readAll(TESSARY_TEST_DATA "/solver/no-solution-hard.out");
  ASSERT_GT(recorded.size(), 0u);
  EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 0);
  EXPECT_EQ(complaints, "");
  EXPECT_EQ(printed.size(), recorded.size());
  EXPECT_TRUE(printed == recorded) << "the output differs from the recorded one";
}

}  // namespace
