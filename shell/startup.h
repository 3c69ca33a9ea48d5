#pragma once
#include <string>

#include "foundation/gstring.h"

// The running program's full path and its command line less that path.
extern gstring programmexe;
extern gstring licommande;

// Records the program's name, path, command line, build date and the screen's size.
void debutstandard(const char *name);
// Deletes an earlier copy of this program named by a "killexe=" command line, then, when the
// program file does not bear the wanted name and copy is set, restarts under that name.
void controlenomexe(const char *name, char copy);
// The program: start-up, the main window and the message loop; gives the exit code.
int WinMain(int argc, char **argv);
