#pragma once

// tikogrid render (FILE | --builtin ID) [--level L] [--state TEXT] [--size S] --out PNG: the grid as
// the game draws it, both layers, into a PNG.
int rendercommand(int argc, char **argv);
