#pragma once
#include <cstdio>

// A subcommand of tikogrid: its arguments after the subcommand's name. Answers the exit code:
// 0 done, 1 an input that cannot be read, 2 wrong usage (after printing the usage line).
using subcommandrun = int (*)(int argc, char **argv);

// Prints "usage: tikogrid LINE" on standard error and answers 2.
int usage(const char *line);
