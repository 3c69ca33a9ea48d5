#pragma once
#include "shell/clatraducara.h"

// The program's texts are stored scrambled so that they cannot be read from the program file.
// Unscrambling substitutes each character of a 90-character alphabet, reverses each half of the
// text, then de-interleaves it.

// Room of an unscrambled text: a stored text holds at most 151 characters.
constexpr int tikocrypmax = 151;
extern char tikocrypzone[tikocrypmax + 1];

// The substitution of the unscrambling, built by tikovigenerinit.
extern clatraducara tikovigenere;

// The unscrambled form of text in tikocrypzone, which the next call overwrites. A text too long
// for the area (or null) gives the empty text.
char *decryptiko(const char *text);
// For the texts stored in clear beside scrambled ones.
inline const char *noncrypte(const char *text) {
    return text;
}

// Builds the substitution on first use.
void tikovigenerinit();
void tikovigeneroff(char *text);
// Reverses the first half (the shorter one for an odd length) and the rest, each in place;
// texts of fewer than 3 characters stay as they are. It is its own reverse.
void inversemoities(char *text);
// Writes the characters in order to the odd positions, then to the even ones.
void pairimpairoff(char *text);
