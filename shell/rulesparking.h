#pragma once

// Opening the rules pages with a grid in play parks the chronometers, the grid's play data and
// the play history; leaving them, once the grid has been loaded again, gives all of it back.
void garerjeu();
void reprendrejeu();
