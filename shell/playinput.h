#pragma once
#include <cstdint>

#include "platform/messages.h"

// Choosing a number, applying it to the current cell, and the mouse on the grid and the picker.
void nombreclic(std::int16_t n);
// origin 'F': a fixed cell was clicked; 'T': the picker was clicked.
void cliquechiffre(char origin, std::int16_t n);
void gestafficontraintes(std::int16_t n);
void posevaleur();

void sourisbouge(lparam point);
void gauchebas(lparam point);
void gauchehaut(lparam point);
void droitehaut(lparam point);
