#include "drawing/clagdiobjet.h"

clagdiobjet::~clagdiobjet() {
    clear();
}

void clagdiobjet::set(gdihandle object) {
    clear();
    objet = object;
    possede = true;
}

void clagdiobjet::set(dchandle context, gdihandle object) {
    set(object);
    useon(context);
}

void clagdiobjet::useon(dchandle context) {
    contexte = context;
    const gdihandle displaced = selectobject(context, objet);
    // The first selection ever displaces the context's default object; that one is kept for
    // every later enduse.
    if (!dejaselect && displaced != 0) {
        deplace = displaced;
        dejaselect = true;
    }
}

void clagdiobjet::enduse() {
    selectobject(contexte, deplace);
}

void clagdiobjet::clear() {
    enduse();
    if (possede) {
        deleteobject(objet);
        possede = false;
    }
    objet = 0;
}
