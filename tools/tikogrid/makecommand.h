#pragma once

// tikogrid make (FILE | --builtin ID) --as NAME [--seed N]: a built-in grid made from the shape
// of FILE, as data-file lines for resources/texts/grids.txt with its figures as comment lines.
int makecommand(int argc, char **argv);
