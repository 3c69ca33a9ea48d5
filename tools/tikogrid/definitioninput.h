#pragma once
#include "foundation/gstring.h"
#include "foundation/lichati.h"

// The definition a subcommand works on: where it comes from, its lines, and a name for the grid
// (the file name or the built-in identifier).
struct definitioninput {
    const char *source = nullptr; // a file, "-" for standard input, or a built-in identifier
    bool builtin = false;
    lichati lines;
    gstring name;
};

// Takes "FILE" or "--builtin ID" from argv[at] on and advances at past them; false when they do not
// name a definition.
bool takedefinition(int argc, char **argv, int &at, definitioninput &input);

// Reads the lines of the definition that takedefinition found: one line per text line, trailing blanks
// trimmed, empty lines skipped. Answers 0, or 1 after one line on standard error naming what cannot be read.
int readdefinition(definitioninput &input);
