#pragma once
#include "platform/cursors.h"

#include <cstdint>

extern cursorhandle hcurfleche;
extern cursorhandle hcursablier;
extern cursorhandle hcurchiffrehun;
extern cursorhandle hcurchiffredeux;
extern cursorhandle hcurchiffretrois;
extern cursorhandle hcurchiffrequatre;
extern cursorhandle hcurchiffrecinq;
extern cursorhandle hcurchiffresix;
extern cursorhandle hcurscratcroix;
extern cursorhandle hcurscratbombe;
extern cursorhandle hcurpetithex;

// Hourglass requests pending; never below 0.
extern std::int16_t sabletat;
// The cursor state set last (999 before the first).
extern std::int16_t etatcurseur;

// What the cursor shows besides the hourglass comes from the shell's state; the shell installs
// the function that reads it (until then: mode 1, number 0).
class sourisetat {
  public:
    std::int16_t mode = 1;
    bool souronhexa = false;
    bool sourefface = false;
    std::int16_t nombractu = 0;
};
using lecturesouris = sourisetat (*)();
extern lecturesouris lireetatsouris;

void creacursouris();
void destrucursou();
void fixecursouris(std::int16_t force);
void sablierdeb();
void sablierfin();
