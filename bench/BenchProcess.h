// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <string>
#include <vector>

// What the benchmarks that time whole programs share: the puzzle sets, and
// a command run as a process of its own with its CPU time measured.

using Clock = std::chrono::steady_clock;

double millisSince(Clock::time_point begin);

// The first 81 characters of each line of a puzzle set that has as many.
std::vector<std::string> readLines(const std::string& path);

// The names of the puzzle sets (*.txt) in a folder, sorted.
std::vector<std::string> puzzleSets(const std::string& dir);

bool haveQqwing();

// The median and the largest of a set of timings.
struct Spread {
  double median;
  double worst;
};
Spread spreadOf(std::vector<double> values);

struct ProcessRun {
  double wallMs = -1;
  double cpuMs = -1;
  bool ok = false;       // exited with status 0
  bool limited = false;  // stopped at the CPU time limit
};

// Runs a command with input on its standard input and its standard output
// written to output (standard error to /dev/null), at most cpuLimit seconds
// of CPU time if cpuLimit is positive. The CPU time counts user and system
// time: on a shared machine the wall time also counts the time the process
// waited for a processor.
ProcessRun runProcess(const std::vector<std::string>& command, const std::string& input, const std::string& output,
                      int cpuLimit);

// The fastest of runs runs by CPU time, output to /dev/null; the failed run
// if one fails.
ProcessRun fastestRun(const std::vector<std::string>& command, const std::string& input, int runs);
