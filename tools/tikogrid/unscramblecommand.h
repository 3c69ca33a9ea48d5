#pragma once

// tikogrid unscramble TEXT: the unscrambled form of the stored text TEXT, taken as bytes.
int unscramblecommand(int argc, char **argv);
