#pragma once
#include <string>

#include "foundation/lichati.h"

// A parallelogram of k x k hexagons, one given in every row: about 2 (k + 1)^2 cells.
inline void parallelogramme(lichati &lines, int k) {
    lines.clear();
    for (int i = 0; i < k; ++i) {
        for (int j = 0; j < k; ++j)
            lines.padd(("X" + std::string(static_cast<std::size_t>(i), 'A') +
                        std::string(static_cast<std::size_t>(j), 'B'))
                           .c_str());
        lines.padd(
            (std::string(static_cast<std::size_t>(i), 'A') + "W" + static_cast<char>('P' + i % 6) + "K%100")
                .c_str());
    }
}
