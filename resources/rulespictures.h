#pragma once
#include <cstdint>

// The rules pages have one picture each, resources :/bitmaps/1.png to :/bitmaps/9.png.
extern const std::int16_t nbimagesregles;
