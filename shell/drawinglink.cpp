#include "shell/drawinglink.h"

drawinglink dessinlien;

clagripagebase *grillepage(std::int16_t index) {
    return dessinlien.page != nullptr ? dessinlien.page(index) : nullptr;
}
