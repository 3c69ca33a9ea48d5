#pragma once

// tikogrid check (FILE | --builtin ID): for each level 1..7, the level reached, the givens shown
// and whether the grid has no, one or several solutions.
int checkcommand(int argc, char **argv);
