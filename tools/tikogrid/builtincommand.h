#pragma once

// tikogrid builtin [ID]: the built-in grid table, or the definition lines a load of grid ID gives.
int builtincommand(int argc, char **argv);
