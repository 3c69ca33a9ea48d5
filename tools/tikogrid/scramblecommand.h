#pragma once

// tikogrid scramble TEXT: the stored form of TEXT, taken as bytes.
int scramblecommand(int argc, char **argv);
