#pragma once
#include <cstdint>

#include "platform/colours.h"
#include "shell/storedlist.h"

// One item of a rules page's overlay, drawn in order: a font change (the face is text `police` of
// the stored font list), a pen change, a line of text (the page's next stored text), or the
// registered-trademark sign. Positions and heights are millimetres from the page centre, y up.
enum class sorteregle : std::int8_t { police, crayon, texte, deposee };

struct elementregle {
    sorteregle sorte;
    std::int16_t police = 0;
    colour couleur = 0;
    float x = 0;
    float y = 0;
    float hauteur = 0;
    std::int16_t angle = 0;
    std::int16_t graisse = 0;
    std::int16_t centre = 0;
    std::int16_t italique = 0;
};

struct overlayregle {
    const elementregle *elements;
    std::int16_t nombre;
    // The page's texts, in the order of its text items.
    const storedlist *textesfr;
    const storedlist *textesen;
};

// The faces the overlays name, stored scrambled.
const storedlist &policesregles();
// The overlay of page 1..9; null for any other page.
const overlayregle *overlaypage(std::int16_t page);
