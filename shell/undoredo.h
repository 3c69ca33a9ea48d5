#pragma once
#include <cstdint>

// Records a placement (1) or an erasure (0) of value in cell in the play history, then drops a
// cancelling pair and erasures old enough to be compacted with their placements.
void memorisaction(std::int16_t placement, std::int16_t value, std::int16_t cell);
// Undoes (0) or redoes (1) one action on the grid in play; one low beep when there is none.
void refaitaction(std::int16_t forward);
