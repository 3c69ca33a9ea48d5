#pragma once

// Windows-1252, the byte form of every text of the system. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control characters of the same code, so
// every byte survives a round trip through Unicode.
char32_t cp1252tounicode(unsigned char byte);

// The byte of a character; "?" for a character the code page cannot hold.
unsigned char unicodetocp1252(char32_t c);
