// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The subcommands of tessary-cli. Each takes the arguments that follow its
// name and returns the process exit status.
int runSolve(int argc, char** argv);
int runGenerate(int argc, char** argv);
int runCount(int argc, char** argv);
int runRate(int argc, char** argv);
