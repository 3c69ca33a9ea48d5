#pragma once
#include "drawing/clagripage.h"
#include "drawing/devices.h"
#include "platform/colours.h"
#include "platform/window.h"
#include "platform/windowobject.h"
#include "shell/shellstate.h"
#include "shell/startup.h"
#include "shell/windproc.h"
#include "tests/platform/offscreenapp.h"

#include <QCoreApplication>
#include <QImage>
#include <QTest>

#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

// The game driven headless through WindProc, as the platform's events would drive it.

// Starts the game once per program in an empty folder of its own, so no settings file is read and
// nothing is left in the working folder; false when it could not start.
inline bool demarrejeuvide(const char *prefix) {
    if (hwndmainwin != nullptr)
        return true;
    const auto folder = std::filesystem::temp_directory_path() / (prefix + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    if (chdir(folder.c_str()) != 0)
        return false;
    startoffscreen();
    return demarrejeu(0);
}

// Waits until the main window is on the (offscreen) screen, so that paints reach it, and lets
// the events of its showing be handled.
inline bool fenetreexposee() {
    const bool exposed = QTest::qWaitForWindowExposed(windowwidget(hwndmainwin));
    QCoreApplication::processEvents();
    return exposed;
}

// The game started in an empty folder and on the screen.
inline bool jeuaffiche(const char *prefix) {
    return demarrejeuvide(prefix) && fenetreexposee();
}

// The window's client area as its paint draws it.
inline QImage peinture() {
    return clientwidget(hwndmainwin)->grab().toImage();
}

inline colour pixel(const QImage &image, int x, int y) {
    const QRgb p = image.pixel(x, y);
    return rgb(static_cast<std::uint8_t>(qRed(p)), static_cast<std::uint8_t>(qGreen(p)),
               static_cast<std::uint8_t>(qBlue(p)));
}

// Where a cell's centre is in the client area.
inline void centrecase(std::int16_t cell, int &x, int &y) {
    x = fenecrout.centrex + grilleram[0].getcacentrix(cell);
    y = fenecrout.centrey - grilleram[0].getcacentry(cell);
}

inline long commande(std::uint16_t ident) {
    return WindProc(hwndmainwin, msg_command, commandparam(ident, 0), 0);
}

inline void clic(unsigned down, unsigned up, int x, int y) {
    const lparam point = pointparam(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y));
    WindProc(hwndmainwin, down, 0, point);
    WindProc(hwndmainwin, up, 0, point);
}

inline void cliccase(std::int16_t cell) {
    int x = 0, y = 0;
    centrecase(cell, x, y);
    clic(msg_lbuttondown, msg_lbuttonup, x, y);
}

// Paints now, then lets the message loop handle what the paint left to it: the arrow help and the
// congratulations.
inline void peintettraite() {
    paintnow(hwndmainwin);
    QCoreApplication::sendPostedEvents();
}

// Fills the empty cells from the k-th on with allowed values, backtracking.
inline bool resoudre(clagripage &page, const std::vector<std::int16_t> &vides, std::size_t k) {
    if (k == vides.size())
        return true;
    page.ajustepossicase();
    for (std::int16_t v = 1; v <= 6; ++v) {
        if (!page.isautorisee(vides[k], v))
            continue;
        page.setcaseval(vides[k], v);
        if (resoudre(page, vides, k + 1))
            return true;
        page.setcaseval(vides[k], 0);
        page.ajustepossicase();
    }
    return false;
}

// Solves the grid in play but for its last empty cell, then places the missing value there with
// a click; false when the grid has no empty cell or no solution.
inline bool placeladerniere() {
    clagripage &page = grilleram[0];
    std::vector<std::int16_t> vides;
    for (std::int16_t c = 1; c <= page.nbcases; ++c)
        if (page.getcaseval(c) == 0)
            vides.push_back(c);
    if (vides.empty() || !resoudre(page, vides, 0))
        return false;
    const std::int16_t derniere = vides.back();
    const std::int16_t valeur = page.getcaseval(derniere);
    page.setcaseval(derniere, 0);
    page.ajustepossicase();
    WindProc(hwndmainwin, msg_command, commandparam(static_cast<std::uint16_t>(13 + valeur), 0), 0);
    cliccase(derniere);
    return true;
}
