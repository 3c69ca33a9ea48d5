#pragma once
#include "platform/drawcontext.h"

// One owner for a platform pen, brush, font or bitmap: it selects the object into a context,
// puts the displaced object back and deletes what it owns.
class clagdiobjet {
  public:
    dchandle contexte = 0; // the context last used
    gdihandle objet = 0;
    gdihandle deplace = 0; // what the very first selection displaced
    bool dejaselect = false;
    bool possede = false;

    clagdiobjet() = default;
    clagdiobjet(const clagdiobjet &) = delete;
    clagdiobjet &operator=(const clagdiobjet &) = delete;
    ~clagdiobjet();

    void set(gdihandle object);
    void set(dchandle context, gdihandle object);
    void useon(dchandle context);
    void enduse();
    void clear();
};
