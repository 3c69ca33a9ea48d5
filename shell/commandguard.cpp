#include "shell/commandguard.h"

#include "platform/beep.h"
#include "shell/shellstate.h"

bool boutonpermis() {
    if (boutignore <= 0)
        return true;
    Beep(800, 5);
    Beep(1200, 5);
    return false;
}

void boutonbloquer() {
    ++boutignore;
}

void boutonlaisser() {
    if (boutignore > 0)
        --boutignore;
}
