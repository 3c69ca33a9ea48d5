#pragma once

// Whether text fits a stored text; otherwise one line on standard error saying so.
bool storedtextfits(const char *text);
