#pragma once

// Gives the drawing code what it reads of the shell's state: the view around the grid and the
// cursor's state.
void installevueshell();
