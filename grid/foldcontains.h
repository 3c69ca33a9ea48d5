#pragma once

// The text contains the part, compared folded; false for a null text or an empty part.
bool foldcontient(const char *text, const char *part);
