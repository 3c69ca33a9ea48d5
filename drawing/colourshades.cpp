#include "drawing/colourshades.h"

colour clair(colour c) {
    return c | rgb(153, 153, 153);
}

colour nuancegris(std::int16_t p) {
    const auto g = static_cast<std::uint8_t>((100 - p) * 255 / 100);
    return rgb(g, g, g);
}
