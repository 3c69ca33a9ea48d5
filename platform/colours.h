#pragma once
#include <cstdint>

// A colour value: red | green << 8 | blue << 16.
using colour = std::uint32_t;

constexpr colour rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return static_cast<colour>(red) | (static_cast<colour>(green) << 8) | (static_cast<colour>(blue) << 16);
}
constexpr std::uint8_t redof(colour c) {
    return static_cast<std::uint8_t>(c & 0xFF);
}
constexpr std::uint8_t greenof(colour c) {
    return static_cast<std::uint8_t>((c >> 8) & 0xFF);
}
constexpr std::uint8_t blueof(colour c) {
    return static_cast<std::uint8_t>((c >> 16) & 0xFF);
}
