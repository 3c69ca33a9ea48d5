#pragma once
#include <cstdint>

#include "foundation/gstring.h"

// The text, after its leading blanks, begins with the prefix (folded).
bool debuli(const char* text, const char* prefix);
// When debuli holds for a non-empty prefix: removes the leading blanks, the prefix and the blanks
// after it, and answers true; otherwise leaves the text as it is.
bool debute(gstring& text, const char* prefix);
// The text ends with the suffix (folded); false for an empty suffix.
bool finli(const char* text, const char* suffix);
// An optional "-" then the leading decimal digits; no digits read 0. Overlong numbers wrap.
std::int32_t readinteger(const char* text);
// Takes the first comma item off the text and reads it as readinteger does.
std::int32_t depilint(gstring& text);
