#pragma once
#include <cstdint>

#include "platform/colours.h"
#include "platform/drawcontext.h"
#include "platform/messages.h"

constexpr std::int16_t demarrafenlarge = 400;
constexpr std::int16_t demarrafenhaut = 150;

// The small borderless window that shows the product and edition while the program starts and
// while a grid loads; the next paint of the main window hides it.
class clafendemarrage {
  public:
    std::int16_t x = 0;
    std::int16_t y = 0;
    const char *classe = "DEMFEN";
    std::int16_t largeur = 100;
    std::int16_t hauteur = 100;
    colour fond = rgb(153, 153, 255);
    winhandle fenprin = nullptr;
    winhandle fenetre = nullptr;
    bool cree = false;
    bool visible = false;
    bool princonnue = false;
    bool deplacee = false;

    void clear();
    void fixetaille(std::int16_t width, std::int16_t height, colour background);
    void sethwndprin(winhandle window);
    void creawinklassefendem();
    void creafendem();
    void repositionner();
    void fixesurecran(std::int16_t left, std::int16_t top);
    void fixaucentrecran();
    void fixaucentremain();
    void simplaffidem(bool show);
    void fixafficentrecran(bool show);
    void fixafficentremain(bool show);
};

extern clafendemarrage fenetredem;

// Shows the window at (prinleft + 180, printop + 180), as a sign that the program is busy.
void montrefendem();

// The window's two lines, centred, on the context of its paint.
void dessinfendem(dchandle context);

long fendemproc(winhandle window, unsigned message, wparam w, lparam l);
