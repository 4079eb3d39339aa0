// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchProcess.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>

double millisSince(Clock::time_point begin) {
  return std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
}

std::vector<std::string> readLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    if (line.size() >= 81) lines.push_back(line.substr(0, 81));
  }
  return lines;
}

std::vector<std::string> puzzleSets(const std::string& dir) {
  std::vector<std::string> names;
  if (DIR* folder = opendir(dir.c_str())) {
    while (dirent* entry = readdir(folder)) {
      const std::string name = entry->d_name;
      if (name.size() > 4 && name.compare(name.size() - 4, 4, ".txt") == 0) names.push_back(name);
    }
    closedir(folder);
  }
  std::sort(names.begin(), names.end());
  return names;
}

bool haveQqwing() { return std::system("command -v qqwing >/dev/null 2>&1") == 0; }

ProcessRun runProcess(const std::vector<std::string>& command, const std::string& input, const std::string& output,
                      int cpuLimit) {
  std::vector<char*> argv;
  for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
  argv.push_back(nullptr);
  ProcessRun run;
  std::fflush(stdout);
  const auto begin = Clock::now();
  const pid_t child = fork();
  if (child < 0) return run;
  if (child == 0) {
    const int in = open(input.c_str(), O_RDONLY);
    const int out = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = open("/dev/null", O_WRONLY);
    if (in < 0 || out < 0 || err < 0) _exit(126);
    dup2(in, 0);
    dup2(out, 1);
    dup2(err, 2);
    if (cpuLimit > 0) {
      const rlimit limit{static_cast<rlim_t>(cpuLimit), static_cast<rlim_t>(cpuLimit) + 1};
      setrlimit(RLIMIT_CPU, &limit);
    }
    execvp(argv[0], argv.data());
    _exit(127);
  }
  int raw = 0;
  rusage usage{};
  if (wait4(child, &raw, 0, &usage) != child) return run;
  run.wallMs = millisSince(begin);
  run.cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0 +
              (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
  run.ok = WIFEXITED(raw) && WEXITSTATUS(raw) == 0;
  run.limited = WIFSIGNALED(raw) && (WTERMSIG(raw) == SIGXCPU || WTERMSIG(raw) == SIGKILL);
  return run;
}

ProcessRun fastestRun(const std::vector<std::string>& command, const std::string& input, int runs) {
  ProcessRun best;
  for (int i = 0; i < runs; ++i) {
    const ProcessRun run = runProcess(command, input, "/dev/null", 0);
    if (!run.ok) return run;
    if (best.cpuMs < 0 || run.cpuMs < best.cpuMs) best = run;
  }
  return best;
}

Spread spreadOf(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return Spread{values[values.size() / 2], values.back()};
}
