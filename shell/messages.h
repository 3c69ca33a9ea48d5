#pragma once
#include <cstdint>

#include "foundation/gstring.h"

// The text of message number (0 to 12; any other is empty) in the language of globish, with data
// and extra put in where the message needs them.
void createmsg(gstring &out, std::int16_t number, const char *data = "", const char *extra = "");

// The caption of every box, taken from ceprog at the first box.
extern gstring winboxident;

// Flags 0 give each box its usual icon; other flags are passed on. Every box is system-modal.
short winvalider(const char *text, unsigned flags);
short winboxerreur(const char *text);
bool winboxouinon(const char *text, unsigned flags);
bool winboxokcancel(const char *text, unsigned flags);
