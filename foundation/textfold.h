#pragma once
// Case folding of the system: only the bytes a..z fold to A..Z; every other byte, 0x80 and up
// included, is left as it is. Every name, list and parameter comparison goes through here.

inline unsigned char foldbyte(unsigned char c) { return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 32) : c; }

// A null text counts as the empty text.
bool foldequal(const char* a, const char* b);
// Negative, zero or positive as a sorts before, with or after b; a prefix sorts first.
int foldcompare(const char* a, const char* b);
// The first n bytes of a and b are folded-equal (both must hold at least n bytes).
bool foldequaln(const char* a, const char* b, int n);
