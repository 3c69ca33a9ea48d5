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
// Start-up up to the message loop: the main window shown with the grid in play; copienom lets
// controlenomexe restart the program under its wanted name. False when the window could not be made.
bool demarrejeu(char copienom);
// The program: start-up, the main window and the message loop; gives the exit code.
int WinMain(int argc, char **argv);
