#pragma once

// tikogrid model (FILE | --builtin ID) [--level L] [--state TEXT]: the grid model after a load
// and its first drawing, one line per cell, then the level and the play state.
int modelcommand(int argc, char **argv);
