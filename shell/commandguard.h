#pragma once

// A command runs only when no other is in progress (one may wait behind an open message box);
// a refused command gives two short beeps.
bool boutonpermis();
void boutonbloquer();
void boutonlaisser();
