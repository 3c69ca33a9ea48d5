#pragma once
#include "foundation/gstring.h"

// Scrambling, the reverse of decryptiko, for the tools that produce the stored texts.

// The stored form of text: interleave, reverse each half, substitute backward. decryptiko gives
// the text back when it is at most tikocrypmax characters long.
void encryptiko(const char *text, gstring &stored);
// The substitution backward.
void tikovigeneron(char *text);
// Takes the characters at odd positions, then those at even positions.
void pairimpairon(char *text);
