#include "drawing/cursorpictures.h"

#include <cmath>
#include <iterator>

namespace {

// A 32 x 32 picture drawn pixel by pixel, turned into masks at the end.
class cursorcanvas {
  public:
    enum ink : char { clear = '.', black = 'X', white = 'o' };
    char pixels[cursorshape::side][cursorshape::side];

    cursorcanvas() {
        for (auto &row : pixels)
            for (char &p : row)
                p = clear;
    }

    void dot(int x, int y, char c) {
        if (x >= 0 && y >= 0 && x < cursorshape::side && y < cursorshape::side)
            pixels[y][x] = c;
    }

    // Rows of art, '.' clear, 'X' black, 'o' white; blanks leave the canvas as it is.
    void art(int left, int top, const char *const *rows, int count) {
        for (int r = 0; r < count; ++r)
            for (int k = 0; rows[r][k] != 0; ++k)
                if (rows[r][k] != ' ')
                    dot(left + k, top + r, rows[r][k]);
    }

    // A black line with a square nib of the given side.
    void stroke(double x1, double y1, double x2, double y2, int nib) {
        const int steps = static_cast<int>(std::ceil(std::fmax(std::fabs(x2 - x1), std::fabs(y2 - y1)))) + 1;
        for (int s = 0; s <= steps; ++s) {
            const int x = static_cast<int>(std::lround(x1 + (x2 - x1) * s / steps));
            const int y = static_cast<int>(std::lround(y1 + (y2 - y1) * s / steps));
            for (int dy = 0; dy < nib; ++dy)
                for (int dx = 0; dx < nib; ++dx)
                    dot(x + dx, y + dy, black);
        }
    }

    masquecurseur masks() const {
        masquecurseur m;
        for (int y = 0; y < cursorshape::side; ++y) {
            for (int x = 0; x < cursorshape::side; ++x) {
                const int bit = 0x80 >> (x % 8);
                const int at = y * 4 + x / 8;
                if (pixels[y][x] == clear)
                    m.et[at] = static_cast<std::uint8_t>(m.et[at] | bit);
                if (pixels[y][x] == white)
                    m.ouex[at] = static_cast<std::uint8_t>(m.ouex[at] | bit);
            }
        }
        return m;
    }
};

// clang-format off
const char *const arrow[] = {
    "X",
    "XX",
    "XoX",
    "XooX",
    "XoooX",
    "XooooX",
    "XoooooX",
    "XooooooX",
    "XoooooooX",
    "XooooooooX",
    "XoooooooooX",
    "XooooooXXXX",
    "XoooXooX",
    "XooXXooX",
    "XoX XooX",
    "XX   XooX",
    "X    XooX",
    "      XooX",
    "      XooX",
    "       XooX",
    "       XooX",
    "        XX",
};
// clang-format on

const char *const digits[6][14] = {
    {"....XX....", "...XXX....", "..XXXX....", ".XX.XX....", "....XX....", "....XX....", "....XX....",
     "....XX....", "....XX....", "....XX....", "....XX....", "....XX....", "..XXXXXX..", "..XXXXXX.."},
    {"..XXXXXX..", ".XXXXXXXX.", "XX......XX", "........XX", "........XX", ".......XX.", "......XX..",
     "....XXX...", "...XX.....", "..XX......", ".XX.......", "XX........", "XXXXXXXXXX", "XXXXXXXXXX"},
    {".XXXXXXXX.", "XXXXXXXXXX", "........XX", "........XX", ".......XX.", "...XXXXX..", "...XXXXX..",
     ".......XX.", "........XX", "........XX", "........XX", "XX......XX", "XXXXXXXXXX", ".XXXXXXXX."},
    {"......XX..", ".....XXX..", "....XXXX..", "...XX.XX..", "..XX..XX..", ".XX...XX..", "XX....XX..",
     "XXXXXXXXXX", "XXXXXXXXXX", "......XX..", "......XX..", "......XX..", "......XX..", "......XX.."},
    {"XXXXXXXXXX", "XXXXXXXXXX", "XX........", "XX........", "XX........", "XXXXXXXX..", "XXXXXXXXX.",
     ".......XXX", "........XX", "........XX", "........XX", "XX.....XXX", "XXXXXXXXX.", ".XXXXXXX.."},
    {"..XXXXXX..", ".XXXXXXXX.", "XXX.......", "XX........", "XX........", "XXXXXXXX..", "XXXXXXXXX.",
     "XXX....XXX", "XX......XX", "XX......XX", "XX......XX", "XXX....XXX", ".XXXXXXXX.", "..XXXXXX.."},
};

} // namespace

masquecurseur flechif(std::int16_t digit) {
    cursorcanvas canvas;
    // The tip is the hot spot (1, 1).
    canvas.art(1, 1, arrow, static_cast<int>(std::size(arrow)));
    if (digit >= 1 && digit <= 6)
        canvas.art(15, 8, digits[digit - 1], 14);
    return canvas.masks();
}

masquecurseur croix() {
    cursorcanvas canvas;
    // Two slightly bent strokes, as drawn by hand, crossing at the hot spot (16, 16).
    canvas.stroke(7, 6, 16, 15, 3);
    canvas.stroke(16, 15, 24, 25, 3);
    canvas.stroke(23, 6, 16, 16, 3);
    canvas.stroke(16, 16, 8, 25, 3);
    return canvas.masks();
}

masquecurseur bomb() {
    cursorcanvas canvas;
    const double cx = 15;
    const double cy = 16;
    // The blob.
    for (int y = -6; y <= 6; ++y)
        for (int x = -6; x <= 6; ++x)
            if (x * x + y * y <= 40)
                canvas.dot(static_cast<int>(cx) + x, static_cast<int>(cy) + y, cursorcanvas::black);
    // Rays of uneven length all round.
    const double lengths[12] = {14, 10, 13, 9, 14, 11, 13, 10, 14, 9, 12, 11};
    for (int k = 0; k < 12; ++k) {
        const double a = k * 3.14159265358979 / 6 + 0.2;
        canvas.stroke(cx, cy, cx + lengths[k] * std::cos(a), cy + lengths[k] * std::sin(a), 2);
    }
    return canvas.masks();
}

masquecurseur petithex() {
    cursorcanvas canvas;
    // Flat top and bottom: corners at 0, 60, ... 300 degrees around the hot spot (16, 16).
    const double radius = 10.5;
    double x[6];
    double y[6];
    for (int k = 0; k < 6; ++k) {
        x[k] = 15.5 + radius * std::cos(k * 3.14159265358979 / 3);
        y[k] = 15.5 - radius * std::sin(k * 3.14159265358979 / 3);
    }
    for (int k = 0; k < 6; ++k)
        canvas.stroke(x[k], y[k], x[(k + 1) % 6], y[(k + 1) % 6], 2);
    for (int k = 0; k < 3; ++k)
        canvas.stroke(x[k], y[k], x[k + 3], y[k + 3], 1);
    return canvas.masks();
}
